// What the page says in words of its own, beside the game's windows: its notices (what the address
// got wrong, a recording refused, a link copied), its fixed labels, and the keys as the browser
// names them. None of it needs the browser: the page's module and the fuzzers both build it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/running/keys.h"

namespace web {

enum class NoticeKind {
    ZoomInvalid,       // ?zoom= out of range (value, number: the largest)
    UnknownParameter,  // (name)
    FlagWithValue,     // ?mute=1 (name, value)
    LanguageUnknown,   // ?lang= the game does not speak (value)
    ZoomCut,           // the asked zoom does not fit the browser's window (number: asked, shown)
    MatchOver,         // a recorded match decided: its recording can be saved
    GameOver,          // a recorded game left: likewise
    Refused,           // a recording the game will not play (value: why)
    CutShort,          // a recording that plays only in part (value: why)
    LinkBroken,        // #replay= that does not unpack
    LinkCopied,        // (number: the link's length)
    LinkNotCopied,
    NewVersion,  // a new build came; it plays from the next start
};

struct Notice {
    NoticeKind kind;
    std::string name = {}, value = {};
    int number = 0, other = 0;
};

// The notice's words in the language shown.
std::string noticeText(const Notice& notice);
// A notice offering to save the session's recording.
bool offersDownload(NoticeKind kind);
// The kinds the page's script tells of by name ("link-copied"); false for any other name.
bool noticeKindNamed(std::string_view name, NoticeKind& kind);

// The notices shown, oldest first, each with a number of its own for closing it.
class Notices {
  public:
    struct Shown {
        int id;
        Notice notice;
    };
    void add(Notice notice);
    void dismiss(int id);
    const std::vector<Shown>& shown() const { return shown_; }
    // Grows with every change: the page draws the notices anew when it does.
    int version() const { return version_; }

  private:
    std::vector<Shown> shown_;
    int nextId_ = 1, version_ = 0;
};

// What the page's address asks for one visit: -1 or "" where it asks nothing.
struct Address {
    int zoom = -1, mute = -1, classicTiming = -1, autoPause = -1, record = -1;
    std::string language;
    std::vector<Notice> notices;
};
// `search` as location.search gives it ("?zoom=2&mute"), read as a browser's URLSearchParams does.
Address readAddress(std::string_view search);

// The page's fixed labels by name ("close", "download", "ended", "left", "pause", "right") in
// the language shown; "" for any other name.
std::string pageWord(std::string_view name);

// A key as the browser names it (KeyboardEvent's key and code) as the game takes it.
running::Key keyOfBrowser(std::string_view key, std::string_view code, bool shift, bool ctrl,
                          bool alt, bool meta, bool repeat);

}  // namespace web
