#include "desktop/qt/menu_link.h"

#include <QKeySequence>

#include "desktop/qt/shown_text.h"

namespace tkqt {

MenuLink::MenuLink(QMenuBar& bar, QWidget& window, const std::vector<MenuNode>& tree) : bar_(bar) {
    bar_.setNativeMenuBar(false);  // the bar is part of the window's height, as the game expects
    for (const MenuNode& node : tree) {
        QMenu* menu = bar_.addMenu(shown(node.item->Caption));
        actions_.emplace_back(node.item, menu->menuAction());
        topLevel_.push_back(menu->menuAction());
        for (const MenuNode& child : node.children)
            add(menu, child, window);
    }
    sync();
}

void MenuLink::add(QMenu* parent, const MenuNode& node, QWidget& window) {
    const QString caption = shown(node.item->Caption);
    if (!node.children.empty()) {
        QMenu* menu = parent->addMenu(caption);
        actions_.emplace_back(node.item, menu->menuAction());
        for (const MenuNode& child : node.children)
            add(menu, child, window);
        return;
    }
    QAction* action = parent->addAction(caption);
    if (!node.item->shortcut.empty()) {
        action->setShortcut(
            QKeySequence(QString::fromStdString(node.item->shortcut), QKeySequence::PortableText));
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action);  // a hidden menu's shortcuts would not fire otherwise
    }
    QObject::connect(action, &QAction::triggered, [command = node.command] {
        if (command)
            command();
    });
    actions_.emplace_back(node.item, action);
}

void MenuLink::sync() {
    for (auto& [item, action] : actions_) {
        if (action->isVisible() != item->Visible)
            action->setVisible(item->Visible);
        if (action->isEnabled() != item->Enabled)
            action->setEnabled(item->Enabled);
    }
}

QAction* MenuLink::action(const tk::MenuItem& item) const {
    for (const auto& [model, action] : actions_) {
        if (model == &item)
            return action;
    }
    return nullptr;
}

void MenuLink::retranslate() {
    for (auto& [item, action] : actions_)
        action->setText(shown(item->Caption));
}

int MenuLink::visibleTopLevelMenus() const {
    int shown = 0;
    for (const QAction* action : topLevel_)
        shown += action->isVisible() ? 1 : 0;
    return shown;
}

}  // namespace tkqt
