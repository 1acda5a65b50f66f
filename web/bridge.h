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

// A window's picture as RGBA bytes, rows top to bottom, and the area changed since the last one.
typedef struct SmashbolFrame {
    const uint8_t* pixels;
    int32_t width, height, x, y, changedWidth, changedHeight;
} SmashbolFrame;

// What the page shows around the frames. Sizes are the client areas' at zoom 1.
typedef struct SmashbolView {
    int32_t menuBarShown, modalWindow, ended, held, matchRunning, matchDecided;
    int32_t zoom, maxZoom, fullScreen, classicTiming, recording;
    int32_t mainWidth, mainHeight, menuBarPx, modalWidth, modalHeight;
    int32_t notices;   // grows with every change of the notices
    int32_t watching;  // a player's recording plays, not the player's game
    double scale;      // the scale shown: the zoom, or below 1 where the room is small
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

// What the page tells the player beside the game, oldest first; `download` offers the recording.
typedef struct SmashbolNotice {
    int32_t id, download;
    const char* text;
} SmashbolNotice;

typedef struct SmashbolNotices {
    int32_t count;
    const SmashbolNotice* entries;
} SmashbolNotices;

// The table of every record's fields, row by row: "Key.named"; none past the last row.
const char* smashbol_field_name(int32_t row);
int32_t smashbol_field_offset(int32_t row);
int32_t smashbol_field_kind(int32_t row);

// The run begins: the settings kept in the browser (their INI text), the browser's languages
// ("en-GB:cs") and the page's address's query ("?zoom=2&record": what it asks holds for this
// visit).
void smashbol_start(const char* kept, const char* browserLanguages, const char* search);
void smashbol_advance(double nowMs);
double smashbol_next_wake(void);  // in the page's milliseconds; -1 when nothing is due
// A key went down or up, as KeyboardEvent names it; `modifiers` Shift 1, Ctrl 2, Alt 4, Meta 8,
// the keyboard's repeat 16. Nonzero when the game or its windows used it.
int32_t smashbol_key(int32_t down, const char* key, const char* code, int32_t modifiers);
void smashbol_click(int32_t window, int32_t pressX, int32_t pressY, int32_t releaseX,
                    int32_t releaseY);
int32_t smashbol_command(const char* name);
void smashbol_focus_lost(int32_t toAnotherProgram);
void smashbol_dismiss_message(void);
// The room the page has for the game, in CSS pixels: the running game's Room.
void smashbol_set_room(int32_t width, int32_t height, int32_t aroundWidth, int32_t aroundHeight,
                       int32_t mayShrink, double devicePixelRatio);
void smashbol_full_screen(int32_t on);      // the browser entered or left full screen
void smashbol_settings_menu(int32_t open);  // the settings menu opened (the mouse) or closed
// A menu clicked (`toggle`) or passed over by the pointer; a press outside the menus. Nonzero when
// the menus changed.
int32_t smashbol_point_menu(const char* name, int32_t toggle);
int32_t smashbol_close_menus(void);
const SmashbolFrame* smashbol_frame(int32_t window);
const SmashbolView* smashbol_view(void);
const SmashbolMenus* smashbol_menus(int32_t which);  // 0 the menu bar, 1 the settings menu
// The page's own labels by name (close, download, ended, left, pause, right) in the language shown.
const char* smashbol_word(const char* name);
const SmashbolNotices* smashbol_notices(void);
void smashbol_dismiss_notice(int32_t id);
// What the page's script found: link-broken, link-copied (`number` the link's length),
// link-not-copied, new-version.
void smashbol_notice(const char* kind, int32_t number);
// The state as the headless driver prints it; a script of its words played here; the recording.
const char* smashbol_report(void);
const char* smashbol_script(const char* script);
const char* smashbol_recording(void);
const char* smashbol_recording_name(void);  // the file it is saved as
// A player's recording to watch: its bytes go into the room the module gives for them (too many
// for the stack a text goes by), then it is checked whole. Refused, the game the page had goes on
// and smashbol_watch gives 0; else a new game in its place watches it, and gives 1. Why it was
// refused, or that it plays only in part, is a notice.
uint8_t* smashbol_room_for(int32_t bytes);
int32_t smashbol_watch(const char* name, int32_t bytes);

#ifdef __cplusplus
}
#endif
