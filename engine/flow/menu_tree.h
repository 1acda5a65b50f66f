// The main window's menu bar as the player meets it: each item with the items it opens and, for
// a command, the handler it runs. Front ends build their menus from this; captions, shortcuts
// and visibility stay in the model's items.
#pragma once

#include <vector>

#include "engine/flow/main_window.h"

namespace flow {

struct MenuNode {
    tk::MenuItem* item;
    void (MainWindow::*command)() = nullptr;  // none for an item that opens a submenu
    std::vector<MenuNode> children;
};

inline std::vector<MenuNode> menuTree(MainWindow& form) {
    return {
        {&form.menu(10),
         nullptr,
         {{&form.dif(10),
           nullptr,
           {{&form.easy, &MainWindow::easy_Click, {}},
            {&form.med, &MainWindow::med_Click, {}},
            {&form.hard, &MainWindow::hard_Click, {}}}},
          {&form.exit, &MainWindow::exit_Click, {}}}},
        {&form.info(15),
         nullptr,
         {{&form.hra, &MainWindow::hra_Click, {}}, {&form.about, &MainWindow::about_Click, {}}}}};
}

}  // namespace flow
