// The page around the game: it hands the module input and the time, puts the frames on the
// canvases, mirrors the menu bar and the windows, and plays the clips. Everything the game does
// is in the module; the page decides nothing about the rules.
(function () {
  'use strict';

  const $ = (id) => document.getElementById(id);
  const MAIN = 1, ABOUT = 2, HELP = 3;
  const MAX_ZOOM = 4;

  // --- settings: remembered in the browser, overridden for one visit by the address ---------

  // language: '' follows the browser's languages; 'cs' or 'en' as the player chose.
  const settings = { zoom: 0, autoPause: true, mute: false, classicTiming: false, record: false,
                     language: '' };
  const store = {
    read() {
      try {
        const saved = JSON.parse(localStorage.getItem('smashbol.settings') || '{}');
        if (Number.isInteger(saved.zoom) && saved.zoom >= 1 && saved.zoom <= MAX_ZOOM)
          settings.zoom = saved.zoom;
        for (const key of ['autoPause', 'mute', 'classicTiming'])
          if (typeof saved[key] === 'boolean') settings[key] = saved[key];
        if (typeof saved.language === 'string') settings.language = saved.language;
      } catch (e) { /* no storage, or nothing readable in it: the defaults */ }
    },
    // Only what the player changed here; what the address asked for holds for this visit only.
    save(changes) {
      try {
        const saved = JSON.parse(localStorage.getItem('smashbol.settings') || '{}');
        localStorage.setItem('smashbol.settings', JSON.stringify(Object.assign(saved, changes)));
      } catch (e) { /* storage refused: the setting holds for this visit */ }
    },
  };
  // What the address got wrong, said in the language shown: a text with its {values}. `later`
  // marks a text that `shown` translates once the language is known.
  const notices = [];
  const later = (czech) => czech;
  function showNotices() {
    $('notice').textContent = notices.map((notice) =>
        shown(notice[0]).replace(/\{(\w+)\}/g, (all, key) => notice[1][key])).join(' ');
  }
  function readAddress() {
    const params = new URLSearchParams(location.search);
    // (No destructuring here or below: the module's own minifier mangles it.)
    for (const entry of params) {
      const name = entry[0], value = entry[1];
      if (name === 'zoom') {
        const zoom = /^[1-9][0-9]*$/.test(value) ? Number(value) : NaN;
        if (zoom >= 1 && zoom <= MAX_ZOOM) settings.zoom = zoom;
        else notices.push([later('Parametr zoom={value} neplatí (1 až {max}); hra má svou velikost.'),
                           { value, max: MAX_ZOOM }]);
      } else if (name === 'lang') {
        settings.language = value;  // for this visit, over the remembered choice
      } else if (value !== '') {
        notices.push([later('Parametr {name}={value} neplatí; {name} se píše bez hodnoty.'),
                      { name, value }]);
      } else if (name === 'classic-timing') {
        settings.classicTiming = true;
      } else if (name === 'mute') {
        settings.mute = true;
      } else if (name === 'no-auto-pause') {
        settings.autoPause = false;
      } else if (name === 'record') {
        settings.record = true;
      } else {
        notices.push([later('Parametr {name} hra nezná; platí classic-timing, mute, zoom=N, ' +
                            'no-auto-pause, record, lang=cs|en.'), { name }]);
      }
    }
  }

  // --- the language: the player's choice, else the browser's languages in their order ----------

  let words = {};  // the page's own texts in the language shown, by their Czech
  function shown(czech) { return Object.prototype.hasOwnProperty.call(words, czech) ? words[czech] : czech; }
  const browserLanguages = () => (navigator.languages || [navigator.language]).join(':');
  // At the start, before the game runs.
  function showLanguage() {
    const choose = (wishes) => JSON.parse(call('smashbol_language', 'string', ['string'], [wishes]));
    let chosen = choose(settings.language || browserLanguages());
    if (settings.language && chosen.code !== settings.language) {
      notices.push([later('Parametr lang={value} neplatí (cs nebo en); hra mluví jazykem prohlížeče.'),
                    { value: settings.language }]);
      settings.language = '';
      chosen = choose(browserLanguages());
    }
    showWords(chosen);
  }
  function showWords(chosen) {
    words = chosen.words;
    document.documentElement.lang = chosen.code;
    $('ended').textContent = shown('Hra skončila. Znovu ji spustíte obnovením stránky.');
    showNotices();
    for (const listener of extras.onLanguage) listener();
  }
  // The player's choice, remembered: the game's windows, its menus and the page's words anew.
  function switchLanguage(code) {
    settings.language = code;
    store.save({ language: code });
    post('smashbol_language', ['string'], [code || browserLanguages()], (chosen) => {
      showWords(JSON.parse(chosen));
      closeMenus();
      $('menubar').replaceChildren();
      menuElements.clear();
      buildMenus(allMenus());
      updateMenus(allMenus());
      wantFrame = true;
    });
  }

  // A right click on the game opens the page's own menu, beside the game's: the language, each
  // named in its own words.
  const languageMenu = document.createElement('div');
  languageMenu.className = 'menu';
  languageMenu.id = 'language-menu';
  languageMenu.setAttribute('role', 'menu');
  languageMenu.hidden = true;
  languageMenu.style.position = 'fixed';
  document.body.append(languageMenu);
  function openLanguageMenu(x, y) {
    const choices = [['', shown('Jazyk prohlížeče')], ['cs', 'Čeština'], ['en', 'English']];
    languageMenu.replaceChildren(...choices.map((choice) => {
      const item = document.createElement('div');
      item.className = 'item';
      item.setAttribute('role', 'menuitemradio');
      item.setAttribute('aria-checked', String(settings.language === choice[0]));
      item.textContent = (settings.language === choice[0] ? '\u2713 ' : '') + choice[1];
      item.addEventListener('click', () => {
        languageMenu.hidden = true;
        switchLanguage(choice[0]);
      });
      return item;
    }));
    Object.assign(languageMenu.style, { left: x + 'px', top: y + 'px' });
    languageMenu.hidden = false;
  }
  addEventListener('pointerdown', (e) => {
    if (!languageMenu.contains(e.target)) languageMenu.hidden = true;
  }, true);

  // --- the module: one call at a time, none while a call is suspended ------------------------

  // Calls into the game wait here in order while one is running or suspended (the point's
  // pause, a message box): the game sees them afterwards, as a window sees its queued events.
  const queue = [];
  let busy = false;
  let view = null;
  let wantFrame = true;

  function call(name, ret, types, args) {
    return ccall(name, ret, types, args);
  }
  function post(name, types, args, done) {
    if (name === 'smashbol_advance' && queue.length && queue[queue.length - 1].name === name)
      return;  // one wake-up is enough
    queue.push({ name, types, args, done });
    if (!busy) drain();
  }
  async function drain() {
    busy = true;
    while (queue.length) {
      const event = queue.shift();
      const ticks = event.name === 'smashbol_advance';
      const ret = event.done ? 'string' : ticks ? 'number' : null;
      let result = call(event.name, ret, event.types, event.args);
      if (result instanceof Promise) result = await result;
      if (!ticks || result) refreshView();
      if (event.done) event.done(result);
    }
    busy = false;
    if (wantFrame) present();
    wake();
  }
  const advance = () => post('smashbol_advance', ['number'], [performance.now()]);

  // --- the clock's wake-ups ------------------------------------------------------------------

  // Every animation frame runs what fell due since: with today's timing a frame's worth of the
  // 1 ms timer at once, as the desktop runs its ticks in batches. A timeout wakes the clock when
  // its next tick falls due while the tab is hidden (no frames come then), and always with the
  // timing of 2002, whose beat comes 64 times a second, oftener than frames.
  let wakeTimer = 0;
  function onAnimationFrame() {
    requestAnimationFrame(onAnimationFrame);
    wantFrame = true;
    advance();
  }
  function wake() {
    if (busy || wakeTimer || !view || view.ended) return;
    if (!document.hidden && !view.classicTiming) return;
    const due = call('smashbol_next_due', 'number', [], []);
    if (due < 0) return;
    // Whole milliseconds, rounded up: a wake a little late finds the tick due, one early nothing.
    wakeTimer = setTimeout(() => { wakeTimer = 0; advance(); },
                           Math.max(0, Math.ceil(due - performance.now())));
  }

  // --- what the page shows: the windows' frames, the menu bar, the size -------------------------

  const form1 = $('form1'), modal = $('modal');
  const images = new Map();
  let zoom = 1;

  function draw(canvas, window) {
    const at = call('smashbol_picture', 'number', ['number'], [window]) >> 2;
    const bytes = HEAP32[at], width = HEAP32[at + 1], height = HEAP32[at + 2];
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
      images.delete(canvas);
    }
    let image = images.get(canvas);
    if (!image) images.set(canvas, image = new ImageData(width, height));
    image.data.set(HEAPU8.subarray(bytes, bytes + width * height * 4));
    canvas.getContext('2d').putImageData(image, 0, 0);
  }
  function present() {
    wantFrame = false;
    if (!view || view.ended) return;
    draw(form1, MAIN);
    if (view.modal) draw(modal, view.modal === 'Form2' ? ABOUT : HELP);
    layout();
  }

  const allMenus = () => view.menus.concat(extras.menus.map((menu) => menu(view)));
  function refreshView() {
    const before = view;
    view = JSON.parse(call('smashbol_view', 'string', [], []));
    document.title = view.title;
    // The page's own menus stand beside the game's.
    const menus = allMenus();
    if (!before) buildMenus(menus);
    updateMenus(menus);
    $('menubar').hidden = !view.menuBar;
    if (view.modal && !(before && before.modal)) {
      releaseHeldKeys();
      closeMenus();
    }
    $('modal-layer').hidden = !view.modal;
    if (view.ended && !(before && before.ended)) {
      $('window').hidden = true;
      $('modal-layer').hidden = true;
      $('ended').hidden = false;
    }
    for (const listener of extras.onView) listener(view, before);
    wantFrame = true;
  }

  // The largest whole zoom at which the window, grown for its menu bar, fits the browser's with
  // what the page puts below the court (the touch screen's buttons); where not even the game's
  // own size fits (a phone on its side), the largest scale that still gives each of the game's
  // pixels a whole number of the screen's. The player's own choice (Ctrl+Plus, Ctrl+Minus,
  // Ctrl+0, or ?zoom=) outside full screen.
  function fittingZoom(below) {
    const room = Math.min(innerWidth / view.width, (innerHeight - below) / view.grownHeight);
    if (room >= 1) return Math.floor(room);
    const dots = window.devicePixelRatio || 1;
    return Math.max(1, Math.floor(room * dots)) / dots;
  }
  function layout() {
    if (!view) return;
    const below = $('window').offsetHeight - form1.offsetHeight - $('menubar').offsetHeight;
    zoom = document.fullscreenElement || !settings.zoom ? fittingZoom(below) : settings.zoom;
    const bar = view.menuBar ? view.menuBarPx : 0;
    form1.style.width = view.width * zoom + 'px';
    form1.style.height = view.height * zoom + 'px';
    const menubar = $('menubar');
    menubar.style.height = bar * zoom + 'px';
    menubar.style.fontSize = 12 * zoom + 'px';
    $('window').hidden = view.ended;
    if (view.modal) {
      // Centred on the game, at the game's zoom.
      const box = form1.getBoundingClientRect();
      modal.style.width = modal.width * zoom + 'px';
      modal.style.height = modal.height * zoom + 'px';
      modal.style.left = Math.round(box.left + (box.width - modal.width * zoom) / 2) + 'px';
      modal.style.top = Math.round(box.top + (box.height - modal.height * zoom) / 2) + 'px';
    }
  }
  addEventListener('resize', () => { wantFrame = true; });
  document.addEventListener('fullscreenchange', () => { wantFrame = true; });

  // --- the menu bar, built from the game's own menu items --------------------------------------

  const menuElements = new Map();  // item name -> its element
  let openTop = null;

  function captionNodes(caption) {
    // "&Malá": M is the access key, shown underlined; "&&" is a plain "&".
    const fragment = document.createDocumentFragment();
    let key = '';
    for (let i = 0; i < caption.length; ++i) {
      if (caption[i] === '&' && i + 1 < caption.length) {
        ++i;
        if (caption[i] !== '&' && !key) {
          key = caption[i].toLowerCase();
          const u = document.createElement('u');
          u.textContent = caption[i];
          fragment.append(u);
          continue;
        }
      }
      fragment.append(caption[i]);
    }
    return { fragment, key };
  }
  function buildMenus(menus) {
    const bar = $('menubar');
    for (const top of menus) {
      const element = document.createElement('div');
      element.className = 'top';
      element.setAttribute('role', 'menuitem');
      element.append(captionNodes(top.caption).fragment);
      element.dataset.name = top.name;
      element.append(buildMenu(top.children));
      element.addEventListener('mousedown', (e) => {
        e.preventDefault();
        if (submenuOf(element).contains(e.target)) return;  // an item of its open menu
        if (openTop === element) closeMenus(); else openMenu(element);
      });
      element.addEventListener('mouseenter', () => { if (openTop && openTop !== element) openMenu(element); });
      menuElements.set(top.name, element);
      bar.append(element);
    }
  }
  function buildMenu(items) {
    const menu = document.createElement('div');
    menu.className = 'menu';
    menu.setAttribute('role', 'menu');
    menu.hidden = true;
    for (const item of items) {
      const element = document.createElement('div');
      element.className = 'item';
      element.setAttribute('role', 'menuitem');
      element.dataset.name = item.name;
      const label = document.createElement('span');
      const caption = captionNodes(item.caption);
      label.append(caption.fragment);
      element.dataset.key = caption.key;
      element.append(label);
      const side = document.createElement('span');
      if (item.children.length) side.className = 'arrow';
      else side.textContent = item.shortcut;
      element.append(side);
      if (item.children.length) element.append(buildMenu(item.children));
      element.addEventListener('mouseenter', () => activate(element));
      element.addEventListener('mousedown', (e) => e.preventDefault());
      element.addEventListener('click', (e) => { e.stopPropagation(); choose(element); });
      menuElements.set(item.name, element);
      menu.append(element);
    }
    return menu;
  }
  function updateMenus(menus) {
    for (const item of menus) {
      const element = menuElements.get(item.name);
      element.hidden = !item.visible;
      element.classList.toggle('disabled', !item.enabled);
      element.dataset.enabled = item.enabled;
      updateMenus(item.children);
    }
  }
  function submenuOf(element) {
    return element.querySelector(':scope > .menu');
  }
  function openMenu(top) {
    if (openTop && openTop !== top) closeMenus();
    releaseHeldKeys();  // a menu opening takes the keys: whatever was held is let go first
    openTop = top;
    top.classList.add('open');
    submenuOf(top).hidden = false;
  }
  function closeMenus() {
    if (!openTop) return;
    for (const element of openTop.querySelectorAll('.menu')) element.hidden = true;
    for (const element of openTop.querySelectorAll('.active')) element.classList.remove('active');
    openTop.classList.remove('open');
    openTop = null;
  }
  function activate(element) {
    const menu = element.parentElement;
    for (const sibling of menu.children) {
      if (sibling !== element) {
        sibling.classList.remove('active');
        for (const sub of sibling.querySelectorAll('.menu')) sub.hidden = true;
      }
    }
    element.classList.add('active');
    const sub = submenuOf(element);
    if (sub && element.dataset.enabled === 'true') sub.hidden = false;
  }
  function choose(element) {
    if (element.dataset.enabled !== 'true') return;
    const sub = submenuOf(element);
    if (sub) {
      activate(element);
      const first = [...sub.children].find((e) => !e.hidden);
      if (first) activate(first);
      return;
    }
    closeMenus();
    command(element.dataset.name);
  }
  function command(name) {
    if (extras.commands[name]) extras.commands[name]();
    else post('smashbol_menu', ['string'], [name]);
  }
  document.addEventListener('mousedown', (e) => {
    if (openTop && !openTop.contains(e.target)) closeMenus();
  });

  // The menus from the keyboard: Alt opens the bar, arrows move, Enter chooses, the underlined
  // letter chooses its item, Escape closes.
  function menuKey(e) {
    const tops = [...$('menubar').children].filter((e) => !e.hidden);
    let menu = submenuOf(openTop);
    for (let active = menu.querySelector(':scope > .item.active');
         active && submenuOf(active) && !submenuOf(active).hidden &&
         submenuOf(active).querySelector(':scope > .item.active');
         active = menu.querySelector(':scope > .item.active'))
      menu = submenuOf(active);
    const items = [...menu.children].filter((e) => !e.hidden);
    const active = menu.querySelector(':scope > .item.active');
    const step = (by) => {
      const at = items.indexOf(active);
      activate(items[(at + by + items.length) % items.length]);
    };
    switch (e.key) {
      case 'Escape':
        if (menu !== submenuOf(openTop)) {
          menu.hidden = true;
          menu.querySelectorAll('.active').forEach((x) => x.classList.remove('active'));
        } else closeMenus();
        break;
      case 'ArrowDown': step(active ? 1 : 0); break;
      case 'ArrowUp': step(active ? -1 : 0); break;
      case 'ArrowRight':
        if (active && submenuOf(active)) choose(active);
        else openMenu(tops[(tops.indexOf(openTop) + 1) % tops.length]);
        break;
      case 'ArrowLeft':
        if (menu !== submenuOf(openTop)) {
          menu.hidden = true;
          menu.querySelectorAll('.active').forEach((x) => x.classList.remove('active'));
        } else openMenu(tops[(tops.indexOf(openTop) + tops.length - 1) % tops.length]);
        break;
      case 'Enter': case ' ': if (active) choose(active); break;
      default: {
        const letter = e.key.length === 1 ? e.key.toLowerCase() : '';
        const item = items.find((x) => letter && x.dataset.key === letter);
        if (item) choose(item);
      }
    }
  }

  // --- keys ----------------------------------------------------------------------------------------

  // The codes the game reads: the cursor keys, and letters and digits by their capitals' codes;
  // a layout without Latin letters gives the letter of the key's place. Other keys give 0 (they
  // still stop the player's sprite when let go).
  function keyCodeOf(e) {
    const arrows = { ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40 };
    if (e.code in arrows) return arrows[e.code];
    if (/^[a-zA-Z0-9]$/.test(e.key)) return e.key.toUpperCase().charCodeAt(0);
    const place = /^(?:Key([A-Z])|Digit([0-9]))$/.exec(e.code);
    if (place) return (place[1] || place[2]).charCodeAt(0);
    return 0;
  }
  const shiftOf = (e) => (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);

  const held = new Set();       // codes the game saw go down and not yet up
  const swallowed = new Set();  // the page's own keys, kept from the game until released
  let altAlone = false;

  function key(down, code, shift) {
    post('smashbol_key', ['number', 'number', 'number'], [down ? 1 : 0, code, shift]);
  }
  function releaseHeldKeys() {
    for (const code of held) key(false, code, 0);
    held.clear();
  }
  function menuShortcut(letter) {
    let found = null;
    const walk = (items) => {
      for (const item of items) {
        if (item.shortcut === 'Ctrl+' + letter && item.visible && item.enabled) found = found || item;
        if (item.visible && item.enabled) walk(item.children);
      }
    };
    // A shortcut acts with its menu hidden too, as on the desktop.
    for (const top of view.menus) walk(top.children);
    return found;
  }
  function pageKey(e) {
    const ctrl = e.ctrlKey && !e.altKey && !e.metaKey;
    if (e.key === 'F11') {
      if (document.fullscreenElement) document.exitFullscreen();
      else document.documentElement.requestFullscreen().catch(() => {});
      return true;
    }
    if (ctrl && (e.key === '+' || e.key === '=' || e.code === 'NumpadAdd')) return setZoom(zoom + 1);
    if (ctrl && (e.key === '-' || e.code === 'NumpadSubtract')) return setZoom(zoom - 1);
    if (ctrl && (e.key === '0' || e.code === 'Digit0' || e.code === 'Numpad0')) return setZoom(1);
    if (ctrl && view && !view.modal) {
      const code = keyCodeOf(e);
      const item = code >= 65 && code <= 90 && menuShortcut(String.fromCharCode(code));
      if (item) {
        if (!e.repeat) command(item.name);
        return true;
      }
    }
    return false;
  }
  function setZoom(z) {
    settings.zoom = Math.max(1, Math.min(MAX_ZOOM, Math.floor(z)));  // whole from a small screen's scale
    store.save({ zoom: settings.zoom });
    wantFrame = true;
    return true;
  }

  function onKeyDown(e) {
    startSound();
    if (!view) return;
    if (msgbox.open) {
      if (e.key === 'Enter' || e.key === 'Escape' || e.key === ' ') msgbox.close();
      e.preventDefault();
      return;
    }
    if (openTop) {
      e.preventDefault();
      menuKey(e);
      return;
    }
    altAlone = e.key === 'Alt';
    if (pageKey(e)) {
      e.preventDefault();
      swallowed.add(e.code);
      return;
    }
    if (e.ctrlKey || e.altKey || e.metaKey || e.key.startsWith('Arrow') || e.key === ' ')
      e.preventDefault();
    const code = keyCodeOf(e);
    held.add(code);
    key(true, code, shiftOf(e));
  }
  function onKeyUp(e) {
    if (!view || msgbox.open) return;
    if (swallowed.delete(e.code)) return;
    if (e.key === 'Alt' && altAlone && view.menuBar && !view.modal) {
      // Alt alone opens the menu bar.
      e.preventDefault();
      const first = [...$('menubar').children].find((x) => !x.hidden);
      if (first) {
        openMenu(first);
        activate(submenuOf(first).querySelector('.item:not([hidden])'));
      }
    }
    altAlone = false;
    if (openTop) return;
    const code = keyCodeOf(e);
    held.delete(code);
    key(false, code, shiftOf(e));
  }
  addEventListener('keydown', onKeyDown);
  addEventListener('keyup', onKeyUp);

  // Leaving the page: every held key is let go, and a running match pauses (unless turned off).
  function left() {
    releaseHeldKeys();
    if (settings.autoPause) post('smashbol_auto_pause', [], []);
  }
  addEventListener('blur', left);
  document.addEventListener('visibilitychange', () => {
    if (document.hidden) left();
    else wake();
  });

  // --- clicks: a press and a release on the same control -------------------------------------

  function pixelOf(canvas, e) {
    const box = canvas.getBoundingClientRect();
    return [Math.floor((e.clientX - box.left) * canvas.width / box.width),
            Math.floor((e.clientY - box.top) * canvas.height / box.height)];
  }
  function clicks(canvas, window) {
    let pressed = null;
    canvas.addEventListener('mousedown', (e) => {
      startSound();
      if (e.button === 0) pressed = pixelOf(canvas, e);
    });
    canvas.addEventListener('mouseup', (e) => {
      if (e.button !== 0 || !pressed) return;
      const released = pixelOf(canvas, e);
      const from = pressed;
      pressed = null;
      if (released[0] < 0 || released[1] < 0 || released[0] >= canvas.width ||
          released[1] >= canvas.height)
        return;
      const which = window === MAIN ? MAIN : (view.modal === 'Form2' ? ABOUT : HELP);
      post('smashbol_click', ['number', 'number', 'number', 'number', 'number'],
           [which, from[0], from[1], released[0], released[1]]);
    });
  }
  clicks(form1, MAIN);
  form1.addEventListener('contextmenu', (e) => {
    e.preventDefault();
    openLanguageMenu(e.clientX, e.clientY);
  });
  clicks(modal, 0);

  // --- the message box: the game waits for its OK ---------------------------------------------

  const msgbox = {
    open: false,
    resolve: null,
    show(title, text) {
      releaseHeldKeys();
      $('msgbox-title').textContent = title;
      $('msgbox-text').textContent = text;
      $('msgbox-layer').hidden = false;
      this.open = true;
      $('msgbox-ok').focus();
      return new Promise((resolve) => { this.resolve = resolve; });
    },
    close() {
      $('msgbox-layer').hidden = true;
      this.open = false;
      const resolve = this.resolve;
      this.resolve = null;
      if (resolve) resolve();
    },
  };
  $('msgbox-ok').addEventListener('click', () => msgbox.close());

  // --- sound: the clips through Web Audio, a new clip cutting off the one playing --------------

  const sound = {
    context: null,
    clips: new Map(),  // a wave image's fingerprint -> { id, buffer, decoded }
    playing: null,
    waiting: null,     // asked for before the first click or key: { clip, at }
    latest: null,      // the clip asked for last
    played: [],        // the clips started, by number, in order (for the tests)
  };
  function fingerprint(bytes) {
    let hash = 0x811c9dc5;
    for (let i = 0; i < bytes.length; ++i) hash = Math.imul(hash ^ bytes[i], 0x01000193);
    return bytes.length + ':' + (hash >>> 0);
  }
  function decode(bytes) {
    const decoder = new OfflineAudioContext(1, 1, 22050);
    return decoder.decodeAudioData(bytes.slice().buffer);
  }
  function clipOf(id, bytes) {
    const key = fingerprint(bytes);
    let clip = sound.clips.get(key);
    if (!clip) {
      clip = { id, buffer: null };
      clip.decoded = decode(bytes).then((buffer) => { clip.buffer = buffer; return clip; });
      sound.clips.set(key, clip);
    }
    return clip;
  }
  // The program's eight clips, known by their bytes from the start and decoded at once.
  function decodeClips() {
    const clips = [];
    for (let id = 1; id <= 8; ++id) {
      const at = call('smashbol_clip', 'number', ['number'], [id]) >> 2;
      clips.push(clipOf(id, HEAPU8.slice(HEAP32[at], HEAP32[at] + HEAP32[at + 1])).decoded);
    }
    return Promise.all(clips).then((all) => all.map(
        (c) => ({ id: c.id, duration: c.buffer.duration, rate: c.buffer.sampleRate })));
  }
  function startClip(clip, offset) {
    if (sound.playing) {
      try { sound.playing.stop(); } catch (e) { /* already ended */ }
    }
    sound.playing = null;
    if (offset >= clip.buffer.duration) return;
    const source = sound.context.createBufferSource();
    source.buffer = clip.buffer;
    source.connect(sound.context.destination);
    source.start(0, offset);
    sound.playing = source;
  }
  function playWave(bytes) {
    const clip = clipOf(0, bytes);
    sound.played.push(clip.id);
    sound.latest = clip;
    const asked = performance.now();
    const play = () => {
      if (sound.latest !== clip) return;  // another came meanwhile and cut this one off
      if (!sound.context) sound.waiting = { clip, at: asked };
      else startClip(clip, (performance.now() - asked) / 1000);
    };
    if (clip.buffer) play();
    else clip.decoded.then(play, () => {});
  }
  // Browsers let a page make sound only after a click or a key: the first one starts it, and a
  // clip asked for before goes on from where it would be by now.
  function startSound() {
    if (sound.context || typeof AudioContext !== 'function') return;
    sound.context = new AudioContext();
    sound.context.resume();
    if (sound.waiting) {
      const waiting = sound.waiting;
      sound.waiting = null;
      startClip(waiting.clip, (performance.now() - waiting.at) / 1000);
    }
  }
  addEventListener('pointerdown', startSound, true);

  // --- start ------------------------------------------------------------------------------------

  Module.smashbolPage = { playWave, messageBox: (title, text) => msgbox.show(title, text) };
  // What the page's other scripts build on: the settings, the way of a key (they hand it what a
  // key event carries), a call into the game that answers text, and what they add: menus beside
  // the game's (each a function of the view giving a menu as the game's look), the commands of
  // their items by name, listeners told of each new view and of each language shown, and the
  // page's words in that language.
  const extras = Object.assign(Module.smashbolPage, {
    shown,
    onLanguage: [],
    settings,
    keyEvent: (down, e) => (down ? onKeyDown : onKeyUp)(e),
    ask: (name) => new Promise((resolve) => post(name, [], [], resolve)),
    menus: [],
    commands: {},
    onView: [],
  });

  // What the tests read and do: the game's state as the headless driver prints it, a script of
  // the driver's events played into this page's game, the clips played, the timers' rates.
  const clipsDecoded = new Promise((resolve) => { Module.smashbolClipsDecoded = resolve; });
  window.smashbol = {
    ready: null,
    state: () => new Promise((resolve) => post('smashbol_report', [], [], (s) => resolve(JSON.parse(s)))),
    script: (text) => new Promise((resolve) => post('smashbol_script', ['string'], [text], resolve)),
    tickCounts: () => new Promise((resolve) => post('smashbol_tick_counts', [], [], (s) => resolve(JSON.parse(s)))),
    view: () => view,
    zoom: () => zoom,
    heldKeys: () => [...held],
    clipsPlayed: () => sound.played.slice(),
    clipsDecoded: () => clipsDecoded,
    frameDrawn: null,
  };
  let firstFrame;
  window.smashbol.ready = new Promise((resolve) => { firstFrame = resolve; });

  Module.onRuntimeInitialized = () => {
    store.read();
    readAddress();
    showLanguage();
    decodeClips().then(Module.smashbolClipsDecoded, (e) => console.error('clips:', e));
    call('smashbol_start', null, ['number', 'number', 'string'],
         [settings.mute ? 1 : 0, settings.classicTiming ? 1 : 0, extras.recordingName || '']);
    refreshView();
    $('window').hidden = false;
    present();
    firstFrame(performance.now());
    requestAnimationFrame(onAnimationFrame);
    form1.focus();
  };
})();
