#include "desktop/qt/menu_link.h"

#include <QActionGroup>

#include <algorithm>

namespace tkqt {

namespace {

QString textOf(const running::MenuEntry& entry) {
    QString text = QString::fromStdString(entry.caption);
    if (!entry.shortcut.empty())
        text += '\t' + QString::fromStdString(entry.shortcut);
    return text;
}

// A menu of settings of which one is chosen (a zoom, a language) shows them as such.
bool oneOf(const std::vector<running::MenuEntry>& entries) {
    return !entries.empty() && std::all_of(entries.begin(), entries.end(), [](const auto& e) {
        return e.checked.has_value() && e.children.empty();
    });
}

}  // namespace

MenuLink::MenuLink(QMenuBar& bar, Command command) : root_(bar), command_(std::move(command)) {
    bar.setNativeMenuBar(false);  // the bar is part of the window's height, as the game expects
}

MenuLink::MenuLink(QMenu& popup, Command command) : root_(popup), command_(std::move(command)) {
    popup.setToolTipsVisible(true);
}

void MenuLink::sync(const Entries& entries) {
    if (!built_ || !sameShape(entries, made_))
        build(entries);
    mirror(entries, made_);
}

bool MenuLink::sameShape(const Entries& entries, const std::vector<Made>& made) {
    if (entries.size() != made.size())
        return false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].name != made[i].name || entries[i].children.empty() != !made[i].menu ||
            !sameShape(entries[i].children, made[i].children))
            return false;
    }
    return true;
}

void MenuLink::build(const Entries& entries) {
    for (const Made& made : made_) {
        if (made.menu)
            delete made.menu;  // its own action and every entry in it go with it
        else
            delete made.action;
    }
    made_.clear();
    add(root_, entries, made_);
    built_ = true;
}

void MenuLink::add(QWidget& parent, const Entries& entries, std::vector<Made>& made) {
    for (const running::MenuEntry& entry : entries) {
        if (!entry.children.empty()) {
            auto* menu = new QMenu(&parent);
            menu->setToolTipsVisible(true);
            parent.addAction(menu->menuAction());
            Made opened{entry.name, menu->menuAction(), menu, {}};
            add(*menu, entry.children, opened.children);
            if (oneOf(entry.children)) {
                auto* group = new QActionGroup(menu);
                for (const Made& child : opened.children)
                    group->addAction(child.action);
            }
            made.push_back(std::move(opened));
            if (onMenuMade)
                onMenuMade(*menu);
            continue;
        }
        auto* action = new QAction(&parent);
        parent.addAction(action);
        QObject::connect(action, &QAction::triggered, &parent,
                         [this, name = entry.name] { command_(name); });
        made.push_back({entry.name, action, nullptr, {}});
    }
}

void MenuLink::mirror(const Entries& entries, std::vector<Made>& made) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const running::MenuEntry& entry = entries[i];
        QAction& action = *made[i].action;
        if (const QString text = textOf(entry); action.text() != text)
            action.setText(text);
        if (action.toolTip() != QString::fromStdString(entry.tip))
            action.setToolTip(QString::fromStdString(entry.tip));
        if (action.isVisible() != entry.visible)
            action.setVisible(entry.visible);
        if (action.isEnabled() != entry.enabled)
            action.setEnabled(entry.enabled);
        if (action.isCheckable() != entry.checked.has_value())
            action.setCheckable(entry.checked.has_value());
        if (entry.checked && action.isChecked() != *entry.checked)
            action.setChecked(*entry.checked);
        mirror(entry.children, made[i].children);
    }
}

QAction* MenuLink::action(std::string_view name) const {
    const auto find = [name](const auto& self, const std::vector<Made>& made) -> QAction* {
        for (const Made& m : made) {
            if (m.name == name)
                return m.action;
            if (QAction* found = self(self, m.children))
                return found;
        }
        return nullptr;
    };
    return find(find, made_);
}

int MenuLink::visibleTopLevel() const {
    return static_cast<int>(std::count_if(made_.begin(), made_.end(),
                                          [](const Made& m) { return m.action->isVisible(); }));
}

}  // namespace tkqt
