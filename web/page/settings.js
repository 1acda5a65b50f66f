// The player's settings as the browser keeps them: their text is the game's own.
const KEY = 'smashbol.settings';

export function kept() {
  try {
    return localStorage.getItem(KEY) || '';
  } catch {
    return '';  // no storage here: the game's defaults
  }
}

export function keep(text) {
  try {
    localStorage.setItem(KEY, text);
  } catch {
    // Storage refused: the setting holds for this visit.
  }
}
