// A player's recording watched on the page: opened from a file (picked, or dropped anywhere on the
// page) or from a link whose fragment, #replay=, holds it deflated in base64url; and the link to
// this session's recording (or the one watched) copied for another player. The game checks it.
import { later, make } from './layout.js';

// No recording the game makes is longer: a file is read one byte past it, so that the check
// refuses it by that byte rather than the page reading on.
const LIMIT = 64 << 20;
const MENU = [['recording', later('Nahrávka')], ['replay-open', later('Otevřít nahrávku…')],
              ['replay-link', later('Kopírovat odkaz')], ['replay-download', later('Stáhnout nahrávku')]];
// The notices, marked here, before any regular expression that would stop the translators' tools.
const SAID = {
  refused: later('Nahrávku hra nepřehraje: {why}'), cutShort: later('Nahrávka se přehraje jen zčásti: {why}'),
  broken: later('Odkaz nenese nahrávku: data za #replay= nejdou rozbalit.'), copied: later('Odkaz na nahrávku ({length} znaků) je ve schránce.'),
  copiedLong: later('Odkaz na nahrávku ({length} znaků) je ve schránce; tak dlouhý odkaz leckterý program zkrátí, bezpečnější je soubor.'),
  notCopied: later('Schránka odkaz nepřijala.'),
};
let bridge = null, tell = null, changed = null, watched = null, printed = '';

// The page's own menu after the game's, in the game's words. The game's keys do not walk it: its
// captions have no access letters.
export function withReplayMenu(bar, words, view) {
  const enabled = { 'replay-link': view.recording || watched, 'replay-download': view.recording };
  const entries = MENU.map(([name, czech], i) => ({ depth: i ? 1 : 0, visible: 1, enabled: name in enabled ? Number(Boolean(enabled[name])) : 1,
                                                    checked: -1, marked: 0, open: 0, name, caption: words(czech), shortcut: '', tip: '' }));
  return { ...bar, entries: [...bar.entries, ...entries] };
}

// A stream's bytes, one past the limit at most.
async function upTo(stream) {
  const reader = stream.getReader(), parts = [];
  let size = 0;
  for (let part; size <= LIMIT && !(part = await reader.read()).done; size += part.value.length) parts.push(part.value);
  if (size > LIMIT) reader.cancel().catch(() => {});
  const bytes = new Uint8Array(Math.min(size, LIMIT + 1));
  parts.reduce((at, part) => (bytes.set(part.subarray(0, bytes.length - at), at), at + part.length), 0);
  return bytes;
}

function watch(name, bytes) {
  const before = printed;
  printed = '';
  const { watched: ok, message } = bridge.watch(name, bytes);
  if (ok) {
    watched = bytes;
    changed();
  } else {
    printed = before;
  }
  if (!ok || message) tell([ok ? SAID.cutShort : SAID.refused, { why: message }]);
}

const openFile = async (file) => watch(file.name, await upTo(file.slice(0, LIMIT + 1).stream()));

async function openLink() {
  const packed = /^#replay=(.*)$/s.exec(location.hash);
  if (!packed) return;
  let bytes;
  try {
    const binary = atob(packed[1].replace(/-/g, '+').replace(/_/g, '/'));
    const deflated = Uint8Array.from(binary, (c) => c.charCodeAt(0));
    bytes = await upTo(new Blob([deflated]).stream().pipeThrough(new DecompressionStream('deflate-raw')));
  } catch {
    return tell([SAID.broken, {}]);
  }
  watch('#replay', bytes);
}

// The link: the page's address with the recording deflated, in base64url without padding.
export async function replayLink(text) {
  const deflated = new Uint8Array(await new Response(new Blob([text]).stream().pipeThrough(new CompressionStream('deflate-raw'))).arrayBuffer());
  let binary = '';
  for (let at = 0; at < deflated.length; at += 0x8000) binary += String.fromCharCode(...deflated.subarray(at, at + 0x8000));
  return `${location.href.split('#')[0]}#replay=${btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '')}`;
}

async function copyLink() {
  const link = await replayLink(watched || bridge.recording());
  try {
    await navigator.clipboard.writeText(link);
    // A long match's link passes what some programs keep of a link (8 KB): the file is safer.
    tell([link.length > 8192 ? SAID.copiedLong : SAID.copied, { length: link.length }]);
  } catch {
    tell([SAID.notCopied, {}]);
  }
}

// `notify` shows a notice, `watching` is told a new game watches, `download` saves this session's
// recording. Gives the bridge with the menu's commands of its own.
export function listenToReplays(opened, { notify, watching, download }) {
  [bridge, tell, changed] = [opened, notify, watching];
  const picker = document.body.appendChild(make('input', { type: 'file', id: 'replay-file', hidden: true, accept: '.trace,text/plain' }));
  picker.addEventListener('change', () => picker.files[0] && openFile(picker.files[0]).finally(() => { picker.value = ''; }));
  addEventListener('dragover', (e) => e.preventDefault());
  addEventListener('drop', (e) => {
    e.preventDefault();
    if (e.dataTransfer.files[0]) openFile(e.dataTransfer.files[0]);
  });
  addEventListener('hashchange', openLink);
  const commands = { 'replay-open': () => picker.click(), 'replay-link': copyLink, 'replay-download': download };
  openLink();
  return { ...bridge, command: (name) => (commands[name] ? (commands[name](), 1) : bridge.command(name)) };
}

// What a watched recording's prints wrote: the state, as the headless driver prints it.
export function replayPrinted(text) {
  printed += text;
  console.log(text.trimEnd());
}
export const replayState = () => printed;
