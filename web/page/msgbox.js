// The game's message box, over its windows: OK, Enter, Space or Escape close it, and the game is
// told; the focus goes back to where it was.
import { $ } from './layout.js';

let back = null;

export const messageOpen = () => !$('msgbox-layer').hidden;

export function showMessage(title, text, onClose) {
  back = document.activeElement;
  $('msgbox-title').textContent = title;
  $('msgbox-text').textContent = text;
  $('msgbox-layer').hidden = false;
  const close = () => {
    $('msgbox-layer').hidden = true;
    $('msgbox-ok').onclick = $('msgbox').onkeydown = null;
    if (back) back.focus();
    onClose();
  };
  $('msgbox-ok').onclick = close;
  $('msgbox').onkeydown = (e) => e.key === 'Escape' && (e.preventDefault(), close());
  $('msgbox-ok').focus();
}
