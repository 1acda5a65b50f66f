// The room the page has for the game (the viewport less the notices and the touch buttons), and
// the game's windows at the scale the game gives: each game pixel a whole number of the screen's.
export const $ = (id) => document.getElementById(id);

// An element with its properties and attributes.
export function make(tag, properties = {}, attributes = {}) {
  const element = Object.assign(document.createElement(tag), properties);
  for (const [name, value] of Object.entries(attributes)) element.setAttribute(name, value);
  return element;
}

export function room() {
  const touch = $('touch');
  return { width: innerWidth, height: innerHeight - $('notices').offsetHeight, aroundWidth: 0,
           aroundHeight: touch.hidden ? 0 : touch.offsetHeight, mayShrink: 1, devicePixelRatio: devicePixelRatio || 1 };
}

// Keeps a box inside the viewport, as near to (x, y) as it can be.
export function keepInside(element, x, y) {
  const box = element.getBoundingClientRect();
  element.style.left = `${Math.max(0, Math.min(x, innerWidth - box.width))}px`;
  element.style.top = `${Math.max(0, Math.min(y, innerHeight - box.height))}px`;
}

const size = (element, width, height, scale) => Object.assign(element.style, { width: `${width * scale}px`, height: `${height * scale}px` });

export function show(view) {
  document.documentElement.style.setProperty('--scale', view.scale);
  size($('form1'), view.mainWidth, view.mainHeight, view.scale);
  $('menubar').style.height = `${view.menuBarPx * view.scale}px`;
  $('menubar').hidden = !view.menuBarShown;
  if (view.modalWindow < 0) return;
  // The open window centred on the game, at the game's scale.
  size($('modal'), view.modalWidth, view.modalHeight, view.scale);
  const game = $('form1').getBoundingClientRect(), dialog = $('dialog').getBoundingClientRect();
  keepInside($('dialog'), game.left + (game.width - dialog.width) / 2, game.top + (game.height - dialog.height) / 2);
}
