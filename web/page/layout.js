// The room the page has for the game (the viewport less the notices, the touch buttons around
// the court), and the game's windows shown at the scale the game gives for it: each of the
// game's pixels a whole number of the screen's, so the picture stays crisp.
const $ = (id) => document.getElementById(id);

export function room() {
  const touch = $('touch');
  return {
    width: innerWidth, height: innerHeight - $('notices').offsetHeight, aroundWidth: 0,
    aroundHeight: touch && !touch.hidden ? touch.offsetHeight : 0, mayShrink: 1,
    devicePixelRatio: devicePixelRatio || 1,
  };
}

const size = (element, width, height, scale) => {
  element.style.width = `${width * scale}px`;
  element.style.height = `${height * scale}px`;
};

// Keeps a box inside the viewport, as near to (x, y) as it can be.
export function keepInside(element, x, y) {
  const box = element.getBoundingClientRect();
  element.style.left = `${Math.max(0, Math.min(x, innerWidth - box.width))}px`;
  element.style.top = `${Math.max(0, Math.min(y, innerHeight - box.height))}px`;
}

export function show(view) {
  const scale = view.scale;
  document.documentElement.style.setProperty('--scale', scale);
  size($('form1'), view.mainWidth, view.mainHeight, scale);
  $('menubar').style.height = `${view.menuBarPx * scale}px`;
  $('menubar').hidden = !view.menuBarShown;
  if (view.modalWindow < 0) return;
  // The open window centred on the game, at the game's scale.
  size($('modal'), view.modalWidth, view.modalHeight, scale);
  const game = $('form1').getBoundingClientRect(), dialog = $('dialog').getBoundingClientRect();
  keepInside($('dialog'), game.left + (game.width - dialog.width) / 2,
             game.top + (game.height - dialog.height) / 2);
}
