// The keyboard: each key event as the key the game takes (its name, what it types, where it lies,
// its modifiers); a key the game used does nothing more in the browser.
const NAMED = { ArrowLeft: 'Left', ArrowUp: 'Up', ArrowRight: 'Right', ArrowDown: 'Down',
                F10: 'F10', F11: 'F11', ContextMenu: 'Menu', Alt: 'Alt', Escape: 'Escape',
                Enter: 'Enter', ' ': 'Space', Spacebar: 'Space' };
const PLACES = { Minus: '-', Equal: '=', NumpadSubtract: '-' };
const codeOf = (c) => (c ? c.charCodeAt(0) : 0);

export function keyOf(e) {
  const typed = /^[A-Za-z0-9+\-=]$/.test(e.key) ? e.key.toUpperCase() : '';
  const place = /^(?:Key([A-Z])|Digit([0-9])|Numpad([0-9]))$/.exec(e.code || '');
  return {
    named: NAMED[e.key] || '',
    symbol: codeOf(typed),
    place: codeOf(place ? place[1] || place[2] || place[3] : PLACES[e.code]),
    numpad: (e.code || '').startsWith('Numpad'),
    shift: e.shiftKey, ctrl: e.ctrlKey, alt: e.altKey, meta: e.metaKey, repeat: e.repeat,
  };
}

// `taken` says when another part of the page has the keys (the message box).
// A key's release goes where its press went.
export function listenToKeys(bridge, taken, onKey) {
  const down = new Set();
  const hand = (press) => (e) => {
    if (e.isComposing || (press ? taken(e) : !down.delete(e.code))) return;
    if (press) down.add(e.code);
    if (bridge.key(press, keyOf(e))) e.preventDefault();
    onKey();
  };
  addEventListener('keydown', hand(true));
  addEventListener('keyup', hand(false));
}
