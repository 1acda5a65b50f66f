// The one place the page meets the module: its functions, and the records it hands over, read by
// the module's own table of their fields (web/bridge.h).
import makeModule from './smashbol.js';

export async function openBridge(outlet) {
  const m = await makeModule({ smashbolOutlet: outlet });
  const records = {};  // "View.zoom" as records.View.zoom = { offset, kind }
  for (let row = 0, name; (name = m._smashbol_field_name(row)); ++row) {
    const [record, field] = m.UTF8ToString(name).split('.');
    (records[record] ||= {})[field] = { offset: m._smashbol_field_offset(row), kind: m._smashbol_field_kind(row) };
  }
  const constants = (record) => Object.fromEntries(Object.entries(records[record]).map(([name, f]) => [name, f.offset]));
  const sizes = constants('size');
  // Each field read by its kind: I32, F64, TEXT, ADDRESS.
  const readers = [(p) => m.HEAP32[p >> 2], (p) => m.HEAPF64[p >> 3], (p) => m.UTF8ToString(m.HEAP32[p >> 2]), (p) => m.HEAP32[p >> 2] >>> 0];
  const read = (record, at) => Object.fromEntries(Object.entries(records[record]).filter(([, f]) => readers[f.kind])
    .map(([name, f]) => [name, readers[f.kind](at + f.offset)]));
  // A record of `count` records of another kind at `entries`.
  const list = (of, record, at) => Array.from({ length: read(of, at).count }, (_, i) => read(record, read(of, at).entries + i * sizes[record]));
  const call = (name) => (...args) => m[`_smashbol_${name}`](...args);  // numbers and booleans only
  const withText = (name, ret) => (...args) => m.ccall(`smashbol_${name}`, ret, ['string', 'number'], args);
  const text = (name) => () => m.UTF8ToString(m[`_smashbol_${name}`]());
  return {
    Window: constants('Window'),
    start: (...texts) => m.ccall('smashbol_start', null, texts.map(() => 'string'), texts),
    advance: call('advance'), touch: call('touch'), nextWake: call('next_wake'), click: call('click'), focusLost: call('focus_lost'),
    dismissMessage: call('dismiss_message'), fullScreen: call('full_screen'), settingsMenu: call('settings_menu'),
    dismissNotice: call('dismiss_notice'), closeMenus: call('close_menus'), notice: withText('notice', null),
    pointMenu: (name, toggle) => withText('point_menu', 'number')(name, toggle) !== 0,
    notices: () => list('Notices', 'Notice', m._smashbol_notices()),
    // A KeyboardEvent's key, code and modifiers (Shift 1, Ctrl 2, Alt 4, Meta 8, repeat 16).
    key: (down, e) => m.ccall('smashbol_key', 'number', ['number', 'string', 'string', 'number'],
      [down, e.key, e.code || '', e.shiftKey | e.ctrlKey << 1 | e.altKey << 2 | e.metaKey << 3 | e.repeat << 4]) !== 0,
    setRoom: (r) => m._smashbol_set_room(r.width, r.height, r.aroundWidth, r.aroundHeight, r.mayShrink, r.devicePixelRatio),
    // The picture's bytes are the module's own memory, good until the next call.
    frame(window) {
      const f = read('Frame', m._smashbol_frame(window));
      return { ...f, rgba: new Uint8ClampedArray(m.HEAPU8.buffer, f.pixels, f.width * f.height * 4) };
    },
    view: () => read('View', m._smashbol_view()), memoryBytes: () => m.HEAPU8.buffer.byteLength,
    menus: (which) => ({ walked: read('Menus', m._smashbol_menus(which)).walked, entries: list('Menus', 'MenuEntry', m._smashbol_menus(which)) }),
    command: withText('command', 'number'), word: withText('word', 'string'), script: withText('script', 'string'),
    report: () => JSON.parse(text('report')()), recording: text('recording'), recordingName: text('recording_name'),
    watch(name, bytes) {
      // Into the module's room for them, which may grow its memory: HEAPU8 is read after.
      const at = m._smashbol_room_for(bytes.length);
      m.HEAPU8.set(bytes, at);
      return m.ccall('smashbol_watch', 'number', ['string', 'number'], [name, bytes.length]) !== 0;
    },
  };
}
