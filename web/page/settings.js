// The player's settings as the browser keeps them (their text is the game's own), and what the
// address asks for one visit: ?zoom=N, ?lang=TAG, ?mute, ?classic-timing, ?no-auto-pause, ?record.
// What the address gets wrong is a notice: a Czech text (marked for the translators) and its values.
import { later } from './layout.js';

const KEY = 'smashbol.settings';
const FLAGS = { 'classic-timing': ['classicTiming', 1], mute: ['mute', 1], 'no-auto-pause': ['autoPause', 0], record: ['record', 1] };

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

// -1 or '' where the address asks nothing.
export function asked(search, maxZoom) {
  const out = { zoom: -1, mute: -1, classicTiming: -1, autoPause: -1, record: -1, language: '', notices: [] };
  for (const [name, value] of new URLSearchParams(search)) {
    if (name === 'zoom' && /^[0-9]+$/.test(value) && value >= 1 && value <= maxZoom) out.zoom = Number(value);
    else if (name === 'zoom') out.notices.push([later('Parametr zoom={value} neplatí (1 až {max}); hra má svou velikost.'), { value, max: maxZoom }]);
    else if (name === 'lang') out.language = value;
    else if (!(name in FLAGS)) out.notices.push([later('Parametr {name} hra nezná; platí classic-timing, mute, zoom=N, no-auto-pause, record, lang=cs|en.'), { name }]);
    else if (value !== '') out.notices.push([later('Parametr {name}={value} neplatí; {name} se píše bez hodnoty.'), { name, value }]);
    else out[FLAGS[name][0]] = FLAGS[name][1];
  }
  return out;
}

// What the game's view says of the address: a language it does not speak, a zoom it cut.
export function viewNotices(view, address) {
  const notices = [];
  if (view.askedLanguageUnknown) notices.push([later('Parametr lang={value} neplatí (cs nebo en); hra mluví jazykem prohlížeče.'), { value: address.language }]);
  if (view.askedZoom > view.zoom && !view.fullScreen) notices.push([later('Zvětšení {value}× se do okna prohlížeče nevejde; hra je zvětšená {shown}×.'), { value: view.askedZoom, shown: view.zoom }]);
  return notices;
}
