// The page's bridge to the running game: the C functions the page's script calls, and the fixed
// records they hand over. The script learns where each field lies from the field table (below),
// made from these very records, so no offset is written twice.
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// How a field is read: a whole number, a double, a UTF-8 text's address, an address of memory, or
// a named constant (the row's offset is then its value).
enum {
    SMASHBOL_I32 = 0,
    SMASHBOL_F64 = 1,
    SMASHBOL_TEXT = 2,
    SMASHBOL_ADDRESS = 3,
    SMASHBOL_CONSTANT = 4
};

// A key as the game takes it (the running game's Key): `named` is one of the "Named" constants;
// `symbol` and `place` are character codes or 0.
typedef struct SmashbolKey {
    int32_t named, symbol, place, numpad, shift, ctrl, alt, meta, repeat;
} SmashbolKey;

// The room the page has for the game, in CSS pixels.
typedef struct SmashbolRoom {
    int32_t width, height, aroundWidth, aroundHeight, mayShrink;
    double devicePixelRatio;
} SmashbolRoom;

// A window's picture as RGBA bytes, rows top to bottom, and the area changed since the last one.
typedef struct SmashbolFrame {
    const uint8_t* pixels;
    int32_t width, height, x, y, changedWidth, changedHeight;
} SmashbolFrame;

// What the page shows around the frames. Sizes are the client areas' at zoom 1.
typedef struct SmashbolView {
    int32_t menuBarShown, modalWindow, ended, held, matchRunning, matchDecided;
    int32_t zoom, maxZoom, askedZoom, fullScreen, classicTiming, recording;
    int32_t mainWidth, mainHeight, menuBarPx, modalWidth, modalHeight;
    int32_t askedLanguageUnknown;  // the address asked for a language the game does not speak
    int32_t watching;              // a player's recording plays, not the player's game
    double scale;                  // the scale shown: the zoom, or below 1 where the room is small
    const char* title;
    const char* modalTitle;
    const char* language;  // the code of the language shown
} SmashbolView;

// One entry of a menu, the tree laid flat in order: an entry's children follow it, one deeper.
// `marked` when the keyboard's walk is on it; `open` when its submenu shows.
typedef struct SmashbolMenuEntry {
    int32_t depth, visible, enabled, checked, marked, open;  // checked: -1 when not a setting
    const char* name;
    const char* caption;
    const char* shortcut;
    const char* tip;
} SmashbolMenuEntry;

typedef struct SmashbolMenus {
    int32_t count, walked;  // walked: the keys walk this menu now
    const SmashbolMenuEntry* entries;
} SmashbolMenus;

// The table of every record's fields, row by row: "Key.named"; none past the last row.
const char* smashbol_field_name(int32_t row);
int32_t smashbol_field_offset(int32_t row);
int32_t smashbol_field_kind(int32_t row);
SmashbolKey* smashbol_key_record(void);
SmashbolRoom* smashbol_room_record(void);

// The run begins: the settings kept in the browser (their INI text), the browser's languages
// ("en-GB:cs"), what the address asks for this visit (-1 or "" where it asks nothing) and whether
// the session is recorded, under the name its file will have.
void smashbol_start(const char* kept, const char* browserLanguages, int32_t zoom, int32_t mute,
                    int32_t classicTiming, int32_t autoPause, const char* language,
                    const char* recordingName);
void smashbol_advance(double nowMs);
double smashbol_next_wake(void);  // in the page's milliseconds; -1 when nothing is due
// The key in the key record went down or up; nonzero when the game or its windows used it.
int32_t smashbol_key(int32_t down);
void smashbol_click(int32_t window, int32_t pressX, int32_t pressY, int32_t releaseX,
                    int32_t releaseY);
int32_t smashbol_command(const char* name);
void smashbol_focus_lost(int32_t toAnotherProgram);
void smashbol_dismiss_message(void);
void smashbol_set_room(void);               // reads the room record
void smashbol_full_screen(int32_t on);      // the browser entered or left full screen
void smashbol_settings_menu(int32_t open);  // the settings menu opened (the mouse) or closed
const SmashbolFrame* smashbol_frame(int32_t window);
const SmashbolView* smashbol_view(void);
const SmashbolMenus* smashbol_menus(int32_t which);  // 0 the menu bar, 1 the settings menu
// The page's own words in the language shown.
const char* smashbol_text(const char* czech);
// The state as the headless driver prints it; a script of its words played here; the recording.
const char* smashbol_report(void);
const char* smashbol_script(const char* script);
const char* smashbol_recording(void);
// A player's recording to watch: its bytes go into the room the module gives for them (too many
// for the stack a text goes by), then it is checked whole. Refused, the game the page had goes on
// and smashbol_watch gives 0; else a new game in its place watches it, and gives 1. The message
// is the check's one line: why it was refused, or that it was cut short (empty when whole).
uint8_t* smashbol_room_for(int32_t bytes);
int32_t smashbol_watch(const char* name, int32_t bytes);
const char* smashbol_watch_message(void);

#ifdef __cplusplus
}
#endif
