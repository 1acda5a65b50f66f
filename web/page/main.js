// The page: the running game's module under the page's parts, handed the time and drawn at every
// animation frame; the parts do what the game asks of the page and hand it the player's input.
import { openBridge } from './bridge.js';
import { listenToKeys } from './keys.js';
import { $, make, room, show } from './layout.js';
import { listenToMenus, openSettingsAt, renderMenus } from './menus.js';
import { messageOpen, showMessage } from './msgbox.js';
import { keepOffline } from './offline.js';
import { listenToReplays, replayPrinted, replayState } from './replay.js';
import { keep, kept } from './settings.js';
import { playWave, played, startSound } from './sound.js';
import { touchButtons } from './touch.js';

let bridge = null, view = null, changed = true, roomChanged = true, wakeTimer = 0, pointerAt = null;
const drawn = new WeakMap();  // a canvas -> its context and the window it shows
// The game's notices, each with its close button and maybe one that saves the recording.
function showNotices() {
  $('notices').replaceChildren(...bridge.notices().map(({ id, download: offers, text }) => {
    const p = make('p', { textContent: text });
    if (offers) p.append(make('button', { type: 'button', textContent: bridge.word('download'), onclick: download }));
    p.append(make('button', { type: 'button', textContent: '\u00D7', onclick: () => { bridge.dismissNotice(id); showNotices(); } },
                  { 'aria-label': bridge.word('close') }));
    return p;
  }));
  roomChanged = true;
}

// The session's script as a file.
const download = () => make('a', { download: bridge.recordingName(), href: URL.createObjectURL(new Blob([bridge.recording()], { type: 'text/plain' })) }).click();

// Only the area that changed is put, and nothing when nothing did.
function draw(canvas, window) {
  const f = bridge.frame(window), d = drawn.get(canvas) || { context: canvas.getContext('2d') };
  const resized = canvas.width !== f.width || canvas.height !== f.height, whole = resized || d.window !== window;
  if (!whole && !f.changedWidth) return;
  if (resized) Object.assign(canvas, { width: f.width, height: f.height });
  drawn.set(canvas, Object.assign(d, { window }));
  d.context.putImageData(new ImageData(f.rgba, f.width, f.height), 0, 0, ...whole ? [0, 0, f.width, f.height] : [f.x, f.y, f.changedWidth, f.changedHeight]);
}

function refresh(before) {
  document.title = view.title;
  const language = !before || before.language !== view.language;
  if (language) {
    document.documentElement.lang = view.language;
    for (const el of document.querySelectorAll('[data-text]')) el.textContent = bridge.word(el.dataset.text);
    for (const el of document.querySelectorAll('[data-label]')) el.setAttribute('aria-label', el.title = bridge.word(el.dataset.label));
  }
  if (language || before.notices !== view.notices) showNotices();
  const bar = bridge.menus(0), settings = bridge.menus(1), game = $('form1').getBoundingClientRect();
  if (settings.walked && $('settings').hidden) openSettingsAt(...(pointerAt || [game.left, game.top]));
  pointerAt = null;
  renderMenus(bar, settings);
  const open = view.modalWindow >= 0, wasOpen = before && before.modalWindow >= 0;
  $('dialog-title').textContent = view.modalTitle;
  $('dialog-layer').hidden = !open;
  if (open !== wasOpen && before) $(open ? 'dialog' : 'form1').focus();
  $('window').hidden = view.ended;
  $('ended').hidden = !view.ended;
  show(view);
}

function update() {
  if (roomChanged) {
    roomChanged = false;
    bridge.setRoom(room());
  }
  if (changed) {
    const before = view;
    changed = false;
    view = bridge.view();
    refresh(before);
  }
  if (view.ended) return;
  draw($('form1'), bridge.Window.Main);
  if (view.modalWindow >= 0) draw($('modal'), view.modalWindow);
}

function onFrame() {
  requestAnimationFrame(onFrame);
  update(bridge.advance(performance.now()));
}

// No animation frames come to a hidden tab: a timeout wakes the game when its time comes.
function wakeWhileHidden() {
  clearTimeout(wakeTimer);
  const at = document.hidden ? bridge.nextWake() : -1;
  if (at < 0) return;
  wakeTimer = setTimeout(() => {
    bridge.advance(performance.now());
    wakeWhileHidden();
  }, Math.max(0, Math.ceil(at - performance.now())));
}

// A press and a release at pixels of a window's picture.
function clicks(canvas, windowOf) {
  let pressed = null;
  const pixel = (e) => {
    const box = canvas.getBoundingClientRect();
    return [Math.floor((e.clientX - box.left) * canvas.width / box.width), Math.floor((e.clientY - box.top) * canvas.height / box.height)];
  };
  canvas.addEventListener('mousedown', (e) => { pressed = e.button === 0 ? pixel(e) : null; });
  canvas.addEventListener('mouseup', (e) => {
    if (e.button === 0 && pressed) bridge.click(windowOf(), ...pressed, ...pixel(e));
    pressed = null;
  });
}

const toldChanged = () => { changed = true; };
const outlet = {
  playWave, windowsChanged: toldChanged, ended: toldChanged, keepSettings: keep, printed: replayPrinted,
  showMessage: (title, text) => showMessage(title, text, () => bridge.dismissMessage()),
  fullScreenAsked(on) {
    if (on && !document.fullscreenElement) document.documentElement.requestFullscreen().catch(() => bridge.fullScreen(false));
    else if (!on && document.fullscreenElement) document.exitFullscreen();
  },
};

async function start() {
  bridge = await openBridge(outlet);
  bridge.start(kept(), (navigator.languages || []).join(':'), location.search);
  const roomToldChanged = () => { roomChanged = true; };
  touchButtons(bridge, roomToldChanged);
  update();
  listenToKeys(bridge, messageOpen, toldChanged);
  listenToMenus(listenToReplays(bridge, { changed: () => { changed = roomChanged = true; }, download }), toldChanged);
  clicks($('form1'), () => bridge.Window.Main);
  clicks($('modal'), () => view.modalWindow);
  $('dialog-close').addEventListener('click', () => bridge.click(view.modalWindow, 0, 0, 0, 0));
  $('form1').addEventListener('contextmenu', (e) => {
    e.preventDefault();
    if (!bridge.menus(1).walked) pointerAt = [e.clientX, e.clientY];
    bridge.settingsMenu(true);
  });
  for (const type of ['pointerdown', 'keydown']) addEventListener(type, startSound, true);
  addEventListener('resize', roomToldChanged);
  document.addEventListener('fullscreenchange', () => { roomChanged = true; bridge.fullScreen(Boolean(document.fullscreenElement)); });
  addEventListener('blur', () => bridge.focusLost(true));
  document.addEventListener('visibilitychange', () => {
    if (document.hidden) bridge.focusLost(true);
    wakeWhileHidden();
  });
  keepOffline(() => { bridge.notice('new-version'); changed = true; });
  $('form1').focus();
  requestAnimationFrame(onFrame);
}

// For the tests: the view, the state as the headless driver prints it, a script played, the clips.
const ready = start();
window.smashbol = { ready, view: () => bridge && bridge.view(), state: async () => bridge.report(),
                    script: async (text) => bridge.script(text), clips: () => played.slice(),
                    recording: () => bridge.recording(), replayState, memoryBytes: () => bridge.memoryBytes() };
