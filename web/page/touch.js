// The touch screen's keys below the court (index.html: left, P and right, each the key it shows):
// the game hears which are held, and presses, repeats and lifts their keys as it does a gamepad's;
// a button lifted or slid off is let go. They show on a touch screen and hide once a real
// keyboard is used.
export function touchButtons(bridge, onChange) {
  const bar = document.getElementById('touch');
  const held = (code) => bar.querySelector(`[data-code="${code}"]`).classList.contains('down');
  const tell = () => bridge.touch(held('ArrowLeft'), held('ArrowRight'), held('KeyP'), performance.now());
  const lifts = Array.from(bar.children, (button) => {
    let finger = null;
    const lift = () => {
      if (finger === null) return;
      finger = null;
      button.classList.remove('down');
      tell();
    };
    button.addEventListener('pointerdown', (e) => {
      e.preventDefault();
      if (finger !== null) return;
      button.setPointerCapture(finger = e.pointerId);
      button.classList.add('down');
      tell();
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
