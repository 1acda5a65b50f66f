// Finding a menu command by name or shortcut, and walking the menu bar with the keys as a
// desktop's menu bar is walked: F10 marks the first menu, the arrows move, Enter chooses, the
// underlined letter chooses its item, Escape goes back a level.
#include "engine/running/menus.h"

#include <cctype>

namespace running {

namespace {

using Entries = std::vector<MenuEntry>;

bool opens(const MenuEntry& entry) {
    return !entry.children.empty();
}

// The first visible entry from `from` on in steps of `by` (wrapping), or -1 when none is.
int visibleFrom(const Entries& entries, int from, int by) {
    const int n = static_cast<int>(entries.size());
    for (int i = 0; i < n; ++i) {
        const int at = ((from + by * i) % n + n) % n;
        if (entries[static_cast<std::size_t>(at)].visible)
            return at;
    }
    return -1;
}

const MenuEntry* find(const Entries& entries, bool topLevel, bool hiddenTopOk, const auto& wanted) {
    for (const MenuEntry& entry : entries) {
        if (!entry.enabled || (!entry.visible && !(topLevel && hiddenTopOk)))
            continue;
        if (!opens(entry) && wanted(entry))
            return &entry;
        if (const MenuEntry* found = find(entry.children, false, hiddenTopOk, wanted))
            return found;
    }
    return nullptr;
}

// The letter a key gives a menu: what it types, or the letter of its place where the layout
// types none.
char letterOf(const Key& key) {
    const int code = key.gameCode();
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        return static_cast<char>(std::tolower(code));
    return 0;
}

}  // namespace

char accessLetter(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        const unsigned char next = static_cast<unsigned char>(caption[++i]);
        if (next == '&')
            continue;  // "&&" is a plain '&'
        // A letter the keys can give: Latin letters and digits (a Czech 'Č' is typed by none).
        return std::isalnum(next) && next < 0x80 ? static_cast<char>(std::tolower(next)) : 0;
    }
    return 0;
}

const MenuEntry* findCommand(const Entries& menus, std::string_view name, bool hiddenTopOk) {
    return find(menus, true, hiddenTopOk,
                [name](const MenuEntry& entry) { return entry.name == name; });
}

// A shortcut acts with its menu bar hidden, as on the splash.
const MenuEntry* findShortcut(const Entries& menus, std::string_view shortcut) {
    if (shortcut.empty())
        return nullptr;
    return find(menus, true, true,
                [shortcut](const MenuEntry& entry) { return entry.shortcut == shortcut; });
}

void MenuWalk::openBar(const Entries& bar) {
    active_.clear();
    if (const int first = visibleFrom(bar, 0, 1); first >= 0)
        active_.push_back(first);
}

// A top menu marked and, when it can open, opened with its first visible entry marked.
void MenuWalk::openMenu(const Entries& bar, int top) {
    active_.clear();
    if (top < 0 || top >= static_cast<int>(bar.size()) ||
        !bar[static_cast<std::size_t>(top)].visible)
        return;
    active_.push_back(top);
    const MenuEntry& entry = bar[static_cast<std::size_t>(top)];
    if (!entry.enabled)
        return;
    if (const int first = visibleFrom(entry.children, 0, 1); first >= 0)
        active_.push_back(first);
}

std::optional<std::string> MenuWalk::key(const Entries& bar, const Key& key) {
    // The path as far as it still stands: the bar may have changed since the walk began.
    const Entries* menu = &bar;
    std::vector<const Entries*> menus;  // the entries of each open level
    for (std::size_t level = 0; level < active_.size(); ++level) {
        const int at = active_[level];
        if (at < 0 || at >= static_cast<int>(menu->size()) ||
            !(*menu)[static_cast<std::size_t>(at)].visible) {
            active_.resize(level);
            break;
        }
        menus.push_back(menu);
        menu = &(*menu)[static_cast<std::size_t>(at)].children;
    }
    if (active_.empty())
        return std::nullopt;
    const int top = active_.front();
    const auto moveTop = [&](int by) { openMenu(bar, visibleFrom(bar, top + by, by)); };
    const Key::Named named = key.named;

    if (levels() == 1) {
        // Only the bar marked, no menu open.
        switch (named) {
            case Key::Named::Left:
                active_ = {visibleFrom(bar, top - 1, -1)};
                break;
            case Key::Named::Right:
                active_ = {visibleFrom(bar, top + 1, 1)};
                break;
            case Key::Named::Down:
            case Key::Named::Enter:
            case Key::Named::Space:
                openMenu(bar, top);
                break;
            case Key::Named::Escape:
            case Key::Named::F10:
                close();
                break;
            default:
                if (const char letter = letterOf(key); letter != 0) {
                    for (std::size_t i = 0; i < bar.size(); ++i) {
                        if (bar[i].visible && accessLetter(bar[i].caption) == letter) {
                            openMenu(bar, static_cast<int>(i));
                            break;
                        }
                    }
                }
                break;
        }
        return std::nullopt;
    }

    // Inside a menu: the deepest open one is walked.
    const Entries& items = *menus.back();
    int& marked = active_.back();
    const MenuEntry& current = items[static_cast<std::size_t>(marked)];
    // Chooses an entry of the deepest menu: a command is returned, a submenu opened.
    const auto choose = [&](int at) -> std::optional<std::string> {
        marked = at;
        const MenuEntry& entry = items[static_cast<std::size_t>(at)];
        if (!entry.enabled)
            return std::nullopt;
        if (opens(entry)) {
            if (const int first = visibleFrom(entry.children, 0, 1); first >= 0)
                active_.push_back(first);
            return std::nullopt;
        }
        std::string name = entry.name;
        close();
        return name;
    };
    switch (named) {
        case Key::Named::Up:
            marked = visibleFrom(items, marked - 1, -1);
            break;
        case Key::Named::Down:
            marked = visibleFrom(items, marked + 1, 1);
            break;
        case Key::Named::Right:
            if (opens(current) && current.enabled && visibleFrom(current.children, 0, 1) >= 0)
                return choose(marked);
            moveTop(1);
            break;
        case Key::Named::Left:
            if (levels() > 2)
                active_.pop_back();
            else
                moveTop(-1);
            break;
        case Key::Named::Enter:
        case Key::Named::Space:
            return choose(marked);
        case Key::Named::Escape:
            active_.pop_back();
            break;
        case Key::Named::F10:
            close();
            break;
        default:
            if (const char letter = letterOf(key); letter != 0) {
                for (std::size_t i = 0; i < items.size(); ++i) {
                    if (items[i].visible && accessLetter(items[i].caption) == letter)
                        return choose(static_cast<int>(i));
                }
            }
            break;
    }
    return std::nullopt;
}

}  // namespace running
