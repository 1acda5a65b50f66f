// The keyboard: each key event goes to the game as the browser names it; a key the game used does
// nothing more in the browser. `taken`: the message box has the keys. A release goes with its press.
export function listenToKeys(bridge, taken, onKey) {
  const down = new Set();
  const hand = (press) => (e) => {
    if (e.isComposing || (press ? taken(e) : !down.delete(e.code))) return;
    if (press) down.add(e.code);
    if (bridge.key(press, e)) e.preventDefault();
    onKey();
  };
  addEventListener('keydown', hand(true));
  addEventListener('keyup', hand(false));
}
