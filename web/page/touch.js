// The touch screen's keys: three buttons below the court, left, "P" and right. Each is the key it
// shows, sent down the page's own way of a key: pressed, the key goes down; held, it repeats at a
// keyboard's rate; lifted, or the finger slid off the button, it comes up. They show on a touch
// screen, hide once a real keyboard is used, and show again at the next touch.
(function () {
  'use strict';

  const page = Module.smashbolPage, texts = Module.smashbolTexts;
  // A keyboard's usual repeat: the first after half a second, then 30 a second.
  const REPEAT_DELAY = 500, REPEAT_EVERY = 33;
  const keys = [
    { label: '\u25C0', name: 'left', key: 'ArrowLeft', code: 'ArrowLeft' },
    { label: 'P', name: 'pause', key: 'p', code: 'KeyP' },
    { label: '\u25B6', name: 'right', key: 'ArrowRight', code: 'ArrowRight' },
  ];
  // What a key event of that key carries, as the way of a key reads it.
  const eventOf = (k, repeat) => ({
    key: k.key, code: k.code, repeat, shiftKey: false, ctrlKey: false, altKey: false,
    metaKey: false, preventDefault() {},
  });

  const bar = document.createElement('div');
  bar.id = 'touch';
  const lifts = [];
  for (const k of keys) {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = k.label;
    button.dataset.code = k.code;
    page.onLanguage.push(() => {
      button.title = texts[k.name];
      button.setAttribute('aria-label', texts[k.name]);
    });
    lifts.push(hold(button, k));
    bar.append(button);
  }
  document.getElementById('window').append(bar);

  function hold(button, k) {
    let finger = null, timer = 0;
    const lift = () => {
      if (finger === null) return;
      finger = null;
      clearTimeout(timer);
      button.classList.remove('down');
      page.keyEvent(false, eventOf(k, false));
    };
    const repeat = () => {
      page.keyEvent(true, eventOf(k, true));
      timer = setTimeout(repeat, REPEAT_EVERY);
    };
    button.addEventListener('pointerdown', (e) => {
      e.preventDefault();
      if (finger !== null) return;
      finger = e.pointerId;
      button.setPointerCapture(e.pointerId);
      button.classList.add('down');
      page.keyEvent(true, eventOf(k, false));
      timer = setTimeout(repeat, REPEAT_DELAY);
    });
    // The button keeps the finger (it is captured): whether it is still on the button is
    // measured.
    button.addEventListener('pointermove', (e) => {
      if (e.pointerId !== finger) return;
      const box = button.getBoundingClientRect();
      if (e.clientX < box.left || e.clientX >= box.right || e.clientY < box.top || e.clientY >= box.bottom)
        lift();
    });
    for (const type of ['pointerup', 'pointercancel', 'lostpointercapture'])
      button.addEventListener(type, (e) => { if (e.pointerId === finger) lift(); });
    button.addEventListener('contextmenu', (e) => e.preventDefault());
    return lift;
  }

  function show(shown) {
    if (!shown) for (const lift of lifts) lift();
    bar.hidden = !shown;
  }
  show(navigator.maxTouchPoints > 0 || matchMedia('(any-pointer: coarse)').matches);
  // The buttons' own presses are no key events: any key event is a real keyboard's.
  addEventListener('keydown', () => show(false), true);
  addEventListener('pointerdown', (e) => { if (e.pointerType === 'touch') show(true); }, true);
})();
