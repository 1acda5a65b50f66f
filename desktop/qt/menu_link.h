// A menu bar or a popup menu built from the running game's menu entries, mirroring their
// captions, visibility, enabled and checked states at each sync. Choosing an entry names its
// command to the caller. A shortcut is shown beside its caption and never registered with Qt:
// the game decides every key, so a Ctrl+A chosen by key runs once.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/running/menus.h"

namespace tkqt {

class MenuLink {
  public:
    using Entries = std::vector<running::MenuEntry>;
    using Command = std::function<void(const std::string& name)>;

    // Into a menu bar (each top-level entry a menu of it) or a popup.
    MenuLink(QMenuBar& bar, Command command);
    MenuLink(QMenu& popup, Command command);

    // The entries as they are now; the menus are made anew when their shape changed.
    void sync(const Entries& entries);

    // The action of an entry by its name (a menu's own action for a submenu); null for none.
    QAction* action(std::string_view name) const;
    // How many top-level entries are shown.
    int visibleTopLevel() const;
    // Every menu made, for the caller's look and hooks; called again whenever they are made anew.
    std::function<void(QMenu&)> onMenuMade;

  private:
    struct Made {
        std::string name;
        QAction* action;  // a submenu's own action for a submenu
        QMenu* menu;      // null for a command
        std::vector<Made> children;
    };

    void build(const Entries& entries);
    void add(QWidget& parent, const Entries& entries, std::vector<Made>& made);
    void mirror(const Entries& entries, std::vector<Made>& made);
    static bool sameShape(const Entries& entries, const std::vector<Made>& made);

    QWidget& root_;
    Command command_;
    std::vector<Made> made_;
    bool built_ = false;
};

}  // namespace tkqt
