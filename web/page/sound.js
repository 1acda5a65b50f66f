// The clips through Web Audio: each wave image the game plays is decoded once (known again by its
// bytes), and a new clip cuts off the one playing. Browsers let a page sound only after a click or
// a key: the first one starts the sound, and a clip asked for before goes on from where it would
// be by then.
const clips = new Map();  // fingerprint -> { buffer, decoded }
let context = null, playing = null, waiting = null, latest = null;
export const played = [];  // each clip played: its bytes' length and, once decoded, its length in s

function fingerprint(bytes) {
  let hash = 0x811c9dc5;
  for (const byte of bytes) hash = Math.imul(hash ^ byte, 0x01000193);
  return `${bytes.length}:${hash >>> 0}`;
}

function start(clip, offset) {
  try {
    if (playing) playing.stop();
  } catch {
    // It had ended.
  }
  playing = null;
  if (offset >= clip.buffer.duration) return;
  playing = context.createBufferSource();
  playing.buffer = clip.buffer;
  playing.connect(context.destination);
  playing.start(0, offset);
}

export function playWave(bytes) {
  const key = fingerprint(bytes);
  let clip = clips.get(key);
  if (!clip) {
    clip = { buffer: null };
    clip.decoded = new OfflineAudioContext(1, 1, 22050).decodeAudioData(bytes.buffer)
        .then((buffer) => { clip.buffer = buffer; });
    clips.set(key, clip);
  }
  const note = { bytes: bytes.length, seconds: 0 };
  played.push(note);
  latest = clip;
  const asked = performance.now();
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
