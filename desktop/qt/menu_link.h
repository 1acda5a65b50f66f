// A window's menu bar built from the game's menu items, their captions in the language shown.
// The game owns Visible and Enabled; after each event the link mirrors them. Shortcut keys are
// registered on the window as well, so they act whether or not their menu is shown.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <functional>
#include <map>
#include <vector>

#include "engine/core/controls.h"

namespace tkqt {

struct MenuNode {
    tk::MenuItem* item;
    std::function<void()> command;  // for an item without children
    std::vector<MenuNode> children;
};

class MenuLink {
  public:
    // Builds the menus into `bar` and registers every shortcut on `window`.
    MenuLink(QMenuBar& bar, QWidget& window, const std::vector<MenuNode>& tree);

    void sync();
    // The captions again, in the language now shown.
    void retranslate();

    // The action standing for a menu item (a submenu's own action for a menu).
    QAction* action(const tk::MenuItem& item) const;
    // How many top-level menus the bar shows.
    int visibleTopLevelMenus() const;

  private:
    void add(QMenu* parent, const MenuNode& node, QWidget& window);

    QMenuBar& bar_;
    std::vector<std::pair<tk::MenuItem*, QAction*>> actions_;
    std::vector<QAction*> topLevel_;
};

}  // namespace tkqt
