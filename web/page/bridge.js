// The one place the page meets the module: its functions, and the records it hands over, read and
// written by the module's own table of their fields (web/bridge.h).
import makeModule from './smashbol.js';

const I32 = 0, F64 = 1;

export async function openBridge(outlet) {
  const m = await makeModule({ smashbolOutlet: outlet });
  const records = {};  // "Key.named" as records.Key.named = { offset, kind }
  for (let row = 0, name; (name = m._smashbol_field_name(row)); ++row) {
    const [record, field] = m.UTF8ToString(name).split('.');
    (records[record] ||= {})[field] = { offset: m._smashbol_field_offset(row), kind: m._smashbol_field_kind(row) };
  }
  const constants = (record) => Object.fromEntries(Object.entries(records[record]).map(([name, f]) => [name, f.offset]));
  const Named = constants('Named'), entrySize = records.MenuEntry.size.offset;
  // Each field read by its kind: I32, F64, TEXT, ADDRESS.
  const readers = [(p) => m.HEAP32[p >> 2], (p) => m.HEAPF64[p >> 3], (p) => m.UTF8ToString(m.HEAP32[p >> 2]), (p) => m.HEAP32[p >> 2] >>> 0];
  const read = (record, at) => Object.fromEntries(Object.entries(records[record]).filter(([, f]) => readers[f.kind])
    .map(([name, f]) => [name, readers[f.kind](at + f.offset)]));
  function write(record, at, values) {
    for (const [name, { offset, kind }] of Object.entries(records[record])) {
      if (kind === I32) m.HEAP32[(at + offset) >> 2] = Number(values[name] || 0);
      else if (kind === F64) m.HEAPF64[(at + offset) >> 3] = Number(values[name] || 0);
    }
  }
  const call = (name) => (...args) => m[`_smashbol_${name}`](...args);  // numbers and booleans only
  const withText = (name, ret) => (text) => m.ccall(`smashbol_${name}`, ret, ['string'], [text]);
  return {
    Window: constants('Window'),
    maxZoom: records.Settings.maxZoom.offset,
    start: (s) => m.ccall('smashbol_start', null, ['string', 'string', 'number', 'number', 'number', 'number', 'string', 'string'],
                          [s.kept, s.browserLanguages, s.zoom, s.mute, s.classicTiming, s.autoPause, s.language, s.recordingName]),
    advance: call('advance'), nextWake: call('next_wake'), click: call('click'), focusLost: call('focus_lost'),
    dismissMessage: call('dismiss_message'), fullScreen: call('full_screen'), settingsMenu: call('settings_menu'),
    key(down, key) {
      write('Key', m._smashbol_key_record(), { ...key, named: Named[key.named] || 0 });
      return m._smashbol_key(down) !== 0;
    },
    setRoom(room) {
      write('Room', m._smashbol_room_record(), room);
      m._smashbol_set_room();
    },
    // The picture's bytes are the module's own memory, good until the next call.
    frame(window) {
      const f = read('Frame', m._smashbol_frame(window));
      return { ...f, rgba: new Uint8ClampedArray(m.HEAPU8.buffer, f.pixels, f.width * f.height * 4) };
    },
    view: () => read('View', m._smashbol_view()),
    menus(which) {
      const menus = read('Menus', m._smashbol_menus(which));
      return { ...menus, entries: Array.from({ length: menus.count }, (_, i) => read('MenuEntry', menus.entries + i * entrySize)) };
    },
    command: withText('command', 'number'), text: withText('text', 'string'), script: withText('script', 'string'),
    report: () => JSON.parse(m.UTF8ToString(m._smashbol_report())),
    recording: () => m.UTF8ToString(m._smashbol_recording()),
    // A recording's bytes into the module's room for them (which may grow its memory), then watched.
    watch(name, bytes) {
      const at = m._smashbol_room_for(bytes.length);
      m.HEAPU8.set(bytes, at);
      const watched = m.ccall('smashbol_watch', 'number', ['string', 'number'], [name, bytes.length]) !== 0;
      return { watched, message: m.UTF8ToString(m._smashbol_watch_message()) };
    },
  };
}
