#include "desktop/views/key_path.h"

#include <QKeyEvent>

#include "desktop/qt/key_of.h"

namespace views {

KeyPath::KeyPath(GameInput& input, std::function<bool()> menuHasKeys, QObject* parent)
    : QObject(parent), input_(input), menuHasKeys_(std::move(menuHasKeys)) {}

void KeyPath::watch(QWindow& window) {
    window.removeEventFilter(this);
    window.installEventFilter(this);
}

bool KeyPath::eventFilter(QObject* watched, QEvent* event) {
    const bool down = event->type() == QEvent::KeyPress;
    if (!down && event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    if (menuHasKeys_ && menuHasKeys_())
        return false;
    const auto& qtKey = static_cast<const QKeyEvent&>(*event);
    if (tkqt::isAutoRepeatRelease(qtKey))
        return true;
    const running::Key key = tkqt::keyOf(qtKey);
    input_.act([&](running::Game& game) { down ? game.keyDown(key) : game.keyUp(key); });
    return true;
}

}  // namespace views
