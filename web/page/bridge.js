// The one place the page meets the module: its functions, and the records it hands over read and
// written by the module's own table of their fields (web/bridge.h).
import makeModule from './smashbol.js';

const I32 = 0, F64 = 1, TEXT = 2;

export async function openBridge(outlet) {
  const m = await makeModule({ smashbolOutlet: outlet });
  // "Key.named" -> { Key: { named: { offset, kind } } }
  const records = {};
  for (let row = 0, name; (name = m._smashbol_field_name(row)); ++row) {
    const [record, field] = m.UTF8ToString(name).split('.');
    (records[record] = records[record] || {})[field] =
        { offset: m._smashbol_field_offset(row), kind: m._smashbol_field_kind(row) };
  }
  const constants = (record) => Object.fromEntries(
      Object.entries(records[record]).map(([name, field]) => [name, field.offset]));
  const Named = constants('Named'), Window = constants('Window');
  const entrySize = records.MenuEntry.size.offset;

  function read(record, at) {
    const out = {};
    for (const [name, { offset, kind }] of Object.entries(records[record])) {
      const p = at + offset;
      if (kind === I32) out[name] = m.HEAP32[p >> 2];
      else if (kind === F64) out[name] = m.HEAPF64[p >> 3];
      else if (kind === TEXT) out[name] = m.UTF8ToString(m.HEAP32[p >> 2]);
      else if (kind !== 4) out[name] = m.HEAP32[p >> 2] >>> 0;
    }
    return out;
  }
  function write(record, at, values) {
    for (const [name, { offset, kind }] of Object.entries(records[record])) {
      const value = Number(values[name] || 0);
      if (kind === I32) m.HEAP32[(at + offset) >> 2] = value;
      else if (kind === F64) m.HEAPF64[(at + offset) >> 3] = value;
    }
  }
  const withText = (name, ret, text) => m.ccall(name, ret, ['string'], [text]);

  return {
    Window,
    maxZoom: records.Settings.maxZoom.offset,
    start(s) {
      m.ccall('smashbol_start', null,
              ['string', 'string', 'number', 'number', 'number', 'number', 'string', 'string'],
              [s.kept, s.browserLanguages, s.zoom, s.mute, s.classicTiming, s.autoPause,
               s.language, s.recordingName]);
    },
    advance: (ms) => m._smashbol_advance(ms),
    nextWake: () => m._smashbol_next_wake(),
    key(down, key) {
      write('Key', m._smashbol_key_record(), { ...key, named: Named[key.named] || 0 });
      return m._smashbol_key(down ? 1 : 0) !== 0;
    },
    click: (window, x0, y0, x1, y1) => m._smashbol_click(window, x0, y0, x1, y1),
    command: (name) => withText('smashbol_command', 'number', name) !== 0,
    focusLost: (toAnotherProgram) => m._smashbol_focus_lost(toAnotherProgram ? 1 : 0),
    dismissMessage: () => m._smashbol_dismiss_message(),
    setRoom(room) {
      write('Room', m._smashbol_room_record(), room);
      m._smashbol_set_room();
    },
    fullScreen: (on) => m._smashbol_full_screen(on ? 1 : 0),
    settingsMenu: (open) => m._smashbol_settings_menu(open ? 1 : 0),
    // The picture's bytes are the module's own memory, valid until the next call.
    frame(window) {
      const f = read('Frame', m._smashbol_frame(window));
      f.rgba = new Uint8ClampedArray(m.HEAPU8.buffer, f.pixels, f.width * f.height * 4);
      return f;
    },
    view: () => read('View', m._smashbol_view()),
    menus(which) {
      const menus = read('Menus', m._smashbol_menus(which));
      menus.entries = Array.from({ length: menus.count },
                                 (_, i) => read('MenuEntry', menus.entries + i * entrySize));
      return menus;
    },
    text: (czech) => withText('smashbol_text', 'string', czech),
    report: () => JSON.parse(m.UTF8ToString(m._smashbol_report())),
    script: (text) => withText('smashbol_script', 'string', text),
    recording: () => m.UTF8ToString(m._smashbol_recording()),
  };
}
