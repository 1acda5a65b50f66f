// The page: the running game's module under the page's parts, handed the time and drawn at every
// animation frame; the parts do what the game asks of the page and hand it the player's input.
import { openBridge } from './bridge.js';
import { listenToKeys } from './keys.js';
import { $, later, make, room, show } from './layout.js';
import { listenToMenus, openSettingsAt, renderMenus } from './menus.js';
import { messageOpen, showMessage } from './msgbox.js';
import { keepOffline } from './offline.js';
import { listenToReplays, replayPrinted, replayState, withReplayMenu } from './replay.js';
import { asked, keep, kept, viewNotices } from './settings.js';
import { playWave, played, startSound } from './sound.js';
import { nameButtons, touchButtons } from './touch.js';

let bridge = null, view = null, changed = true, roomChanged = true, wakeTimer = 0, pointerAt = null;
const notices = [], drawn = new WeakMap();  // a canvas -> the window it shows
const words = (czech) => bridge.text(czech);
const button = (text, onclick) => make('button', { type: 'button', textContent: text, onclick });
// A notice is a Czech text with its {values}, and maybe what its button does.
function showNotices(notice) {
  if (notice) notices.push(notice);
  $('notices').replaceChildren(...notices.map((shown) => {
    const [czech, values, act] = shown, p = make('p', { textContent: words(czech).replace(/\{(\w+)\}/g, (all, key) => values[key]) });
    if (act) p.append(button(words(later('Stáhnout nahrávku')), act));
    p.append(button('\u00D7', () => showNotices(void notices.splice(notices.indexOf(shown), 1))));
    p.lastChild.setAttribute('aria-label', words(later('Zavřít')));
    return p;
  }));
  roomChanged = true;
}

// The session's script as a file, named by the start: smashbol-2024-05-01-1402.trace.
const t = new Date(), two = (n) => String(n).padStart(2, '0');
const recordingName = `smashbol-${t.getFullYear()}-${two(t.getMonth() + 1)}-${two(t.getDate())}-${two(t.getHours())}${two(t.getMinutes())}.trace`;
const download = () => make('a', { download: recordingName, href: URL.createObjectURL(new Blob([bridge.recording()], { type: 'text/plain' })) }).click();

function draw(canvas, window) {
  const f = bridge.frame(window), context = canvas.getContext('2d');
  const resized = canvas.width !== f.width || canvas.height !== f.height, whole = resized || drawn.get(canvas) !== window;
  if (resized) Object.assign(canvas, { width: f.width, height: f.height });
  drawn.set(canvas, window);
  const image = new ImageData(f.rgba, f.width, f.height);
  if (whole) context.putImageData(image, 0, 0);
  else if (f.changedWidth) context.putImageData(image, 0, 0, f.x, f.y, f.changedWidth, f.changedHeight);
}

function refresh(before) {
  document.title = view.title;
  if (!before || before.language !== view.language) {
    document.documentElement.lang = view.language;
    $('ended').textContent = words(later('Hra skončila. Znovu ji spustíte obnovením stránky.'));
    $('dialog-close').setAttribute('aria-label', words(later('Zavřít')));
    nameButtons(words);
    showNotices();
  }
  const bar = bridge.menus(0), settings = bridge.menus(1), game = $('form1').getBoundingClientRect();
  if (settings.walked && $('settings').hidden) openSettingsAt(...(pointerAt || [game.left, game.top]));
  pointerAt = null;
  renderMenus(withReplayMenu(bar, words, view), settings);
  const open = view.modalWindow >= 0, wasOpen = before && before.modalWindow >= 0;
  $('dialog-title').textContent = view.modalTitle;
  $('dialog-layer').hidden = !open;
  if (open !== wasOpen && before) $(open ? 'dialog' : 'form1').focus();
  $('window').hidden = view.ended;
  $('ended').hidden = !view.ended;
  show(view);
  const newly = (what) => view[what] && !(before && before[what]);
  // The game's end says so itself.
  if (view.recording && (newly('matchDecided') || newly('ended'))) showNotices([view.ended ? '' : later('Zápas skončil.'), {}, download]);
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
  const address = asked(location.search, bridge.maxZoom);
  bridge.start({ ...address, kept: kept(), browserLanguages: (navigator.languages || []).join(':'),
                 recordingName: address.record > 0 ? recordingName : '' });
  const roomToldChanged = () => { roomChanged = true; };
  touchButtons(bridge, roomToldChanged);
  update();
  notices.push(...address.notices, ...viewNotices(view, address));
  showNotices();
  listenToKeys(bridge, messageOpen, toldChanged);
  const watching = () => { changed = roomChanged = true; };
  listenToMenus(listenToReplays(bridge, { notify: showNotices, watching, download }), toldChanged);
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
  document.addEventListener('fullscreenchange', () => {
    roomChanged = true;
    bridge.fullScreen(Boolean(document.fullscreenElement));
  });
  addEventListener('blur', () => bridge.focusLost(true));
  document.addEventListener('visibilitychange', () => {
    if (document.hidden) bridge.focusLost(true);
    wakeWhileHidden();
  });
  keepOffline(showNotices);
  $('form1').focus();
  requestAnimationFrame(onFrame);
}

// For the tests: the view, the state as the headless driver prints it, a script played, the clips.
const ready = start();
window.smashbol = { ready, view: () => bridge && bridge.view(), state: async () => bridge.report(),
                    script: async (text) => bridge.script(text), clips: () => played.slice(),
                    recording: () => bridge.recording(), replayState };
