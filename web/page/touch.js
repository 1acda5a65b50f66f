// The touch screen's keys below the court (index.html: left, P and right, each the key it shows):
// pressed, the key goes down; held, it repeats as a keyboard's does; lifted or slid off, it comes
// up. They show on a touch screen and hide once a real keyboard is used.
const REPEAT_DELAY = 500, REPEAT_EVERY = 33;

export function touchButtons(bridge, onChange) {
  const bar = document.getElementById('touch');
  const lifts = Array.from(bar.children, (button) => {
    const send = (down, repeat) => bridge.key(down, { key: button.dataset.key, code: button.dataset.code, repeat });
    let finger = null, timer = 0;
    const lift = () => {
      if (finger === null) return;
      finger = null;
      clearTimeout(timer);
      button.classList.remove('down');
      send(false, false);
    };
    const repeat = () => {
      send(true, true);
      timer = setTimeout(repeat, REPEAT_EVERY);
    };
    button.addEventListener('pointerdown', (e) => {
      e.preventDefault();
      if (finger !== null) return;
      button.setPointerCapture(finger = e.pointerId);
      button.classList.add('down');
      send(true, false);
      timer = setTimeout(repeat, REPEAT_DELAY);
    });
    // The button keeps the finger (captured): whether it is still on the button is measured.
    button.addEventListener('pointermove', (e) => {
      const box = button.getBoundingClientRect();
      if (e.pointerId === finger && (e.clientX < box.left || e.clientX >= box.right || e.clientY < box.top || e.clientY >= box.bottom)) lift();
    });
    for (const type of ['pointerup', 'pointercancel', 'lostpointercapture']) button.addEventListener(type, (e) => e.pointerId === finger && lift());
    return lift;
  });
  const show = (shown) => {
    if (!shown) lifts.forEach((lift) => lift());
    if (bar.hidden === !shown) return;
    bar.hidden = !shown;
    document.documentElement.classList.toggle('touch', shown);  // menu rows a finger high
    onChange();
  };
  show(navigator.maxTouchPoints > 0 || matchMedia('(any-pointer: coarse)').matches);
  addEventListener('keydown', (e) => e.isTrusted && show(false), true);
  addEventListener('pointerdown', (e) => e.pointerType === 'touch' && show(true), true);
}
