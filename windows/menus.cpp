#include "windows/menus.h"

#include <algorithm>

#include "windows/text.h"

namespace win {

namespace {

constexpr UINT kFirstId = 100;

// A menu of settings of which one is chosen (a zoom, a language) marks them as such.
bool oneOf(const std::vector<running::MenuEntry>& entries) {
    return !entries.empty() && std::all_of(entries.begin(), entries.end(), [](const auto& e) {
        return e.checked.has_value() && e.children.empty();
    });
}

std::string captionOf(const running::MenuEntry& entry) {
    return entry.shortcut.empty() ? entry.caption : entry.caption + '\t' + entry.shortcut;
}

void describe(const std::vector<running::MenuEntry>& entries, std::string& out) {
    for (const running::MenuEntry& e : entries) {
        if (!e.visible)
            continue;
        out += e.name + '|' + captionOf(e) + '|' + (e.enabled ? 'e' : '-') +
               (e.checked ? (*e.checked ? 'c' : 'u') : '-') + '{';
        describe(e.children, out);
        out += '}';
    }
}

void fill(HMENU menu, const std::vector<running::MenuEntry>& entries,
          std::vector<std::string>& names) {
    const bool radio = oneOf(entries);
    for (const running::MenuEntry& e : entries) {
        if (!e.visible)
            continue;
        const std::wstring text = wide(captionOf(e));
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE | MIIM_ID;
        item.fType = radio ? MFT_RADIOCHECK : MFT_STRING;
        item.fState = (e.enabled ? MFS_ENABLED : MFS_GRAYED) |
                      (e.checked.value_or(false) ? MFS_CHECKED : MFS_UNCHECKED);
        item.dwTypeData = const_cast<wchar_t*>(text.c_str());
        if (!e.children.empty()) {
            item.fMask |= MIIM_SUBMENU;
            item.hSubMenu = CreatePopupMenu();
            fill(item.hSubMenu, e.children, names);
        } else {
            names.push_back(e.name);
            item.wID = kFirstId + static_cast<UINT>(names.size() - 1);
        }
        InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &item);
    }
}

}  // namespace

bool NativeMenus::syncBar(HWND window, const std::vector<running::MenuEntry>& entries, bool shown) {
    std::string now;
    if (shown)
        describe(entries, now);
    if (now == shown_ && (bar_ != nullptr) == shown)
        return false;
    shown_ = now;
    HMENU old = bar_;
    bar_ = nullptr;
    names_.clear();
    if (shown) {
        bar_ = CreateMenu();
        fill(bar_, entries, names_);
    }
    SetMenu(window, bar_);
    if (old)
        DestroyMenu(old);
    DrawMenuBar(window);
    return true;
}

std::string NativeMenus::commandOf(WPARAM id) const {
    const WPARAM at = LOWORD(id) - kFirstId;
    return LOWORD(id) >= kFirstId && at < names_.size() ? names_[at] : std::string();
}

std::string NativeMenus::popup(HWND window, const std::vector<running::MenuEntry>& entries,
                               POINT at) {
    std::vector<std::string> names;
    HMENU menu = CreatePopupMenu();
    fill(menu, entries, names);
    // Windows takes a popup's keys only from a window in front.
    SetForegroundWindow(window);
    const UINT id = static_cast<UINT>(TrackPopupMenuEx(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, window, nullptr));
    DestroyMenu(menu);
    return id >= kFirstId && id - kFirstId < names.size() ? names[id - kFirstId] : std::string();
}

}  // namespace win
