// The records the bridge hands the page's script, and the table of their fields the script reads
// them by.
#include <emscripten.h>

#include <algorithm>
#include <cstddef>

#include "engine/core/translation.h"
#include "web/page.h"

namespace web {

namespace {

SmashbolMenuEntry entryOf(const running::MenuEntry& entry, int depth) {
    SmashbolMenuEntry out{};
    out.depth = depth;
    out.visible = entry.visible;
    out.enabled = entry.enabled;
    out.checked = entry.checked ? (*entry.checked ? 1 : 0) : -1;
    out.name = entry.name.c_str();
    out.caption = entry.caption.c_str();
    out.shortcut = entry.shortcut.c_str();
    out.tip = entry.tip.c_str();
    return out;
}

// The tree laid flat; the walk's path marks its entries (`path` from `level` on).
void flatten(const std::vector<running::MenuEntry>& entries, int depth,
             const std::vector<int>* path, std::size_t level, std::vector<SmashbolMenuEntry>& out) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        out.push_back(entryOf(entries[i], depth));
        const bool marked = path && level < path->size() && (*path)[level] == static_cast<int>(i);
        out.back().marked = marked;
        out.back().open = marked && level + 1 < path->size();
        flatten(entries[i].children, depth + 1, marked ? path : nullptr, level + 1, out);
    }
}

}  // namespace

const SmashbolFrame& Page::frame(running::Window window) {
    const std::size_t i = static_cast<std::size_t>(window);
    const running::Game::FrameUpdate update = game_.takeFrame(window);
    const tk::Frame& f = update.frame;
    std::vector<std::uint32_t>& rgba = rgba_[i];
    tk::Rect changed = update.changed;
    if (rgba.size() != f.pixels.size()) {
        rgba.assign(f.pixels.size(), 0);
        changed = f.bounds();
    }
    // 0xAARRGGBB to the bytes R, G, B, A, as a canvas takes them.
    for (int y = changed.y; y < changed.bottom(); ++y) {
        for (int x = changed.x; x < changed.right(); ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * f.width + x;
            const tk::Pixel p = f.pixels[at];
            rgba[at] = (p & 0xFF00FF00u) | (p >> 16 & 0xFFu) | (p & 0xFFu) << 16;
        }
    }
    frames_[i] = {reinterpret_cast<const std::uint8_t*>(rgba.data()),
                  f.width,
                  f.height,
                  changed.x,
                  changed.y,
                  changed.width,
                  changed.height};
    return frames_[i];
}

const SmashbolView& Page::view() {
    const running::Game& g = game_;
    // The end of a recorded match or game offers its recording.
    if (recorded_ && g.matchDecided() && !matchDecided_)
        notices_.add({NoticeKind::MatchOver});
    if (recorded_ && g.ended() && !ended_)
        notices_.add({NoticeKind::GameOver});
    matchDecided_ = g.matchDecided();
    ended_ = g.ended();
    const running::Settings& settings = g.settings();
    const std::optional<running::Window> modal = g.modalWindow();
    const tk::Rect main = g.clientArea(running::Window::Main);
    const tk::Rect shown = modal ? g.clientArea(*modal) : tk::Rect{};
    viewTexts_ = {g.title(running::Window::Main), modal ? g.title(*modal) : std::string(),
                  tk::shownLanguage().code()};
    view_ = {};
    view_.menuBarShown = g.menuBarShown();
    view_.modalWindow = modal ? static_cast<std::int32_t>(*modal) : -1;
    view_.ended = g.ended();
    view_.held = g.held();
    view_.matchRunning = g.matchRunning();
    view_.matchDecided = g.matchDecided();
    view_.zoom = g.zoom();
    view_.maxZoom = running::Settings::kMaxZoom;
    view_.fullScreen = settings.fullScreen;
    view_.classicTiming = settings.classicTiming;
    view_.recording = recorded_;
    view_.mainWidth = main.width;
    view_.mainHeight = main.height;
    view_.menuBarPx = running::Game::kMenuBarPx;
    view_.modalWidth = shown.width;
    view_.modalHeight = shown.height;
    view_.notices = notices_.version();
    view_.watching = g.watching().has_value();
    view_.scale = g.scale();
    view_.title = viewTexts_[0].c_str();
    view_.modalTitle = viewTexts_[1].c_str();
    view_.language = viewTexts_[2].c_str();
    return view_;
}

const SmashbolMenus& Page::menus(int which) {
    const std::size_t i = which == 1 ? 1 : 0;
    std::vector<running::MenuEntry>& tree = trees_[i];
    const running::MenuWalk* walk = nullptr;
    if (i == 0) {
        tree = menuBar();
        if (game_.menuWalk().isOpen())
            walk = &game_.menuWalk();
    } else {
        tree = settingsBar();
        if (settingsWalk_)
            walk = &*settingsWalk_;
    }
    std::vector<SmashbolMenuEntry>& entries = entries_[i];
    entries.clear();
    flatten(tree, 0, walk ? &walk->active() : nullptr, 0, entries);
    for (SmashbolMenuEntry& entry : entries)
        if (std::find(pointed_.begin(), pointed_.end(), entry.name) != pointed_.end())
            entry.open = 1;
    menus_[i] = {static_cast<std::int32_t>(entries.size()), walk != nullptr, entries.data()};
    return menus_[i];
}

const SmashbolNotices& Page::notices() {
    noticeEntries_.clear();
    noticeTexts_.clear();
    for (const Notices::Shown& shown : notices_.shown())
        noticeTexts_.push_back(noticeText(shown.notice));
    for (std::size_t i = 0; i < noticeTexts_.size(); ++i) {
        const Notices::Shown& shown = notices_.shown()[i];
        noticeEntries_.push_back(
            {shown.id, offersDownload(shown.notice.kind), noticeTexts_[i].c_str()});
    }
    noticesRecord_ = {static_cast<std::int32_t>(noticeEntries_.size()), noticeEntries_.data()};
    return noticesRecord_;
}

}  // namespace web

// The table of every record's fields, made from the records themselves.
namespace {

struct Field {
    const char* name;  // "View.zoom", or a constant ("Window.About")
    std::int32_t offset, kind;
};

#define SMASHBOL_FIELD(record, field, kind) \
    { #record "." #field, static_cast < std::int32_t>(offsetof(Smashbol##record, field)), kind }

const std::vector<Field>& fields() {
    static const std::vector<Field> all = {
        SMASHBOL_FIELD(Frame, pixels, SMASHBOL_ADDRESS),
        SMASHBOL_FIELD(Frame, width, SMASHBOL_I32),
        SMASHBOL_FIELD(Frame, height, SMASHBOL_I32),
        SMASHBOL_FIELD(Frame, x, SMASHBOL_I32),
        SMASHBOL_FIELD(Frame, y, SMASHBOL_I32),
        SMASHBOL_FIELD(Frame, changedWidth, SMASHBOL_I32),
        SMASHBOL_FIELD(Frame, changedHeight, SMASHBOL_I32),
        SMASHBOL_FIELD(View, menuBarShown, SMASHBOL_I32),
        SMASHBOL_FIELD(View, modalWindow, SMASHBOL_I32),
        SMASHBOL_FIELD(View, ended, SMASHBOL_I32),
        SMASHBOL_FIELD(View, held, SMASHBOL_I32),
        SMASHBOL_FIELD(View, matchRunning, SMASHBOL_I32),
        SMASHBOL_FIELD(View, matchDecided, SMASHBOL_I32),
        SMASHBOL_FIELD(View, zoom, SMASHBOL_I32),
        SMASHBOL_FIELD(View, maxZoom, SMASHBOL_I32),
        SMASHBOL_FIELD(View, fullScreen, SMASHBOL_I32),
        SMASHBOL_FIELD(View, classicTiming, SMASHBOL_I32),
        SMASHBOL_FIELD(View, recording, SMASHBOL_I32),
        SMASHBOL_FIELD(View, mainWidth, SMASHBOL_I32),
        SMASHBOL_FIELD(View, mainHeight, SMASHBOL_I32),
        SMASHBOL_FIELD(View, menuBarPx, SMASHBOL_I32),
        SMASHBOL_FIELD(View, modalWidth, SMASHBOL_I32),
        SMASHBOL_FIELD(View, modalHeight, SMASHBOL_I32),
        SMASHBOL_FIELD(View, notices, SMASHBOL_I32),
        SMASHBOL_FIELD(View, watching, SMASHBOL_I32),
        SMASHBOL_FIELD(View, scale, SMASHBOL_F64),
        SMASHBOL_FIELD(View, title, SMASHBOL_TEXT),
        SMASHBOL_FIELD(View, modalTitle, SMASHBOL_TEXT),
        SMASHBOL_FIELD(View, language, SMASHBOL_TEXT),
        SMASHBOL_FIELD(MenuEntry, depth, SMASHBOL_I32),
        SMASHBOL_FIELD(MenuEntry, visible, SMASHBOL_I32),
        SMASHBOL_FIELD(MenuEntry, enabled, SMASHBOL_I32),
        SMASHBOL_FIELD(MenuEntry, checked, SMASHBOL_I32),
        SMASHBOL_FIELD(MenuEntry, marked, SMASHBOL_I32),
        SMASHBOL_FIELD(MenuEntry, open, SMASHBOL_I32),
        SMASHBOL_FIELD(MenuEntry, name, SMASHBOL_TEXT),
        SMASHBOL_FIELD(MenuEntry, caption, SMASHBOL_TEXT),
        SMASHBOL_FIELD(MenuEntry, shortcut, SMASHBOL_TEXT),
        SMASHBOL_FIELD(MenuEntry, tip, SMASHBOL_TEXT),
        SMASHBOL_FIELD(Menus, count, SMASHBOL_I32),
        SMASHBOL_FIELD(Menus, walked, SMASHBOL_I32),
        SMASHBOL_FIELD(Menus, entries, SMASHBOL_ADDRESS),
        SMASHBOL_FIELD(Notice, id, SMASHBOL_I32),
        SMASHBOL_FIELD(Notice, download, SMASHBOL_I32),
        SMASHBOL_FIELD(Notice, text, SMASHBOL_TEXT),
        SMASHBOL_FIELD(Notices, count, SMASHBOL_I32),
        SMASHBOL_FIELD(Notices, entries, SMASHBOL_ADDRESS),
        {"size.MenuEntry", sizeof(SmashbolMenuEntry), SMASHBOL_CONSTANT},
        {"size.Notice", sizeof(SmashbolNotice), SMASHBOL_CONSTANT},
        {"Window.Main", static_cast<std::int32_t>(running::Window::Main), SMASHBOL_CONSTANT},
        {"Window.About", static_cast<std::int32_t>(running::Window::About), SMASHBOL_CONSTANT},
        {"Window.Help", static_cast<std::int32_t>(running::Window::Help), SMASHBOL_CONSTANT}};
    return all;
}

const Field* row(std::int32_t at) {
    return at >= 0 && at < static_cast<std::int32_t>(fields().size())
               ? &fields()[static_cast<std::size_t>(at)]
               : nullptr;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* smashbol_field_name(std::int32_t at) {
    return row(at) ? row(at)->name : nullptr;
}

EMSCRIPTEN_KEEPALIVE std::int32_t smashbol_field_offset(std::int32_t at) {
    return row(at) ? row(at)->offset : 0;
}

EMSCRIPTEN_KEEPALIVE std::int32_t smashbol_field_kind(std::int32_t at) {
    return row(at) ? row(at)->kind : 0;
}

}  // extern "C"
