// A player's recording watched on the page: opened from a file (picked, or dropped anywhere on the
// page) or from a link whose fragment, #replay=, holds it deflated in base64url; and the link to
// this session's recording (or the one watched) copied for another player. The game checks it and
// says what it thinks of it; the game's menu "Nahrávka" asks for these.
import { make } from './layout.js';

// No recording the game makes is longer: a file is read one byte past it, so that the check
// refuses it by that byte rather than the page reading on.
const LIMIT = 64 << 20;
let bridge = null, changed = null, watched = null, printed = '';

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
  if (bridge.watch(name, bytes)) watched = bytes;
  else printed = before;
  changed();
}

const openFile = async (file) => watch(file.name, await upTo(file.slice(0, LIMIT + 1).stream()));

async function openLink() {
  const packed = /^#replay=(.*)$/s.exec(location.hash);
  if (!packed) return;
  try {
    const deflated = Uint8Array.from(atob(packed[1].replace(/-/g, '+').replace(/_/g, '/')), (c) => c.charCodeAt(0));
    watch('#replay', await upTo(new Blob([deflated]).stream().pipeThrough(new DecompressionStream('deflate-raw'))));
  } catch {
    bridge.notice('link-broken');
    changed();
  }
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
  await navigator.clipboard.writeText(link).then(() => bridge.notice('link-copied', link.length), () => bridge.notice('link-not-copied'));
  changed();
}

// `changed` is told the game or its notices changed, `download` saves this session's recording.
// Gives the bridge with the menu's commands of its own.
export function listenToReplays(opened, { changed: onChange, download }) {
  [bridge, changed] = [opened, onChange];
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
  return { ...bridge, command: (name) => (commands[name] ? (bridge.closeMenus(), commands[name](), 1) : bridge.command(name)) };
}

// What a watched recording's prints wrote: the state, as the headless driver prints it.
export const replayPrinted = (text) => { printed += text; console.log(text.trimEnd()); };
export const replayState = () => printed;
