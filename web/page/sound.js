// The clips through Web Audio: each wave image is decoded once (known again by its bytes), and a new
// clip cuts off the one playing. Browsers let a page sound only after a click or a key: the first
// one starts the sound, and a clip asked for before goes on from where it would be by then.
const clips = new Map();  // fingerprint -> { buffer, decoded }
let context = null, playing = null, waiting = null, latest = null;
export const played = [];  // each clip played: its fingerprint and, once decoded, its seconds

function fingerprint(bytes) {
  let hash = 0x811c9dc5;
  for (const byte of bytes) hash = Math.imul(hash ^ byte, 0x01000193);
  return `${bytes.length}:${hash >>> 0}`;
}

function start(clip, offset) {
  if (playing) playing.stop();  // one that ended takes it too
  playing = null;
  if (offset >= clip.buffer.duration) return;
  playing = new AudioBufferSourceNode(context, { buffer: clip.buffer });
  playing.connect(context.destination);
  playing.start(0, offset);
}

export function playWave(bytes) {
  const key = fingerprint(bytes), note = { fingerprint: key, seconds: 0 }, asked = performance.now();
  let clip = clips.get(key);
  if (!clip) {
    clips.set(key, clip = { buffer: null });
    clip.decoded = new OfflineAudioContext(1, 1, 22050).decodeAudioData(bytes.buffer).then((buffer) => { clip.buffer = buffer; });
  }
  played.push(note);
  latest = clip;
  clip.decoded.then(() => {
    note.seconds = clip.buffer.duration;
    if (latest !== clip) return;  // another came meanwhile and cut this one off
    if (context) start(clip, (performance.now() - asked) / 1000);
    else waiting = { clip, asked };
  }, () => {});
}

export function startSound() {
  if (context || typeof AudioContext !== 'function') return;
  context = new AudioContext();
  context.resume();
  if (waiting && waiting.clip === latest) start(waiting.clip, (performance.now() - waiting.asked) / 1000);
  waiting = null;
}
