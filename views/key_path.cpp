// The way of a key: the window's own keys (zoom, full screen, the menu shortcuts on a layout
// without Latin letters) stop here; every other key goes to the game's key handlers, and a key
// that went down comes up again however the focus wanders.
#include <QAction>
#include <QKeyEvent>
#include <QWindow>

#include <algorithm>

#include "toolkit/qt/key_codes.h"
#include "views/main_window_view.h"
#include "views/session_recorder.h"

namespace views {

namespace {

bool contains(const std::vector<int>& keys, int key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

void erase(std::vector<int>& keys, int key) {
    keys.erase(std::remove(keys.begin(), keys.end(), key), keys.end());
}

}  // namespace

// The window's own keys: the zoom and full screen. They never reach the game, nor does their
// release.
bool MainWindowView::windowKey(const QKeyEvent& key) {
    const int k = key.key();
    if (key.type() == QEvent::KeyRelease) {
        if (!contains(swallowedKeys_, k))
            return false;
        if (!key.isAutoRepeat())
            erase(swallowedKeys_, k);
        return true;
    }
    const bool ctrl = key.modifiers() & Qt::ControlModifier;
    if (ctrl && (k == Qt::Key_Plus || k == Qt::Key_Equal))
        setZoom(zoom_ + 1);
    else if (ctrl && k == Qt::Key_Minus)
        setZoom(zoom_ - 1);
    else if (ctrl && k == Qt::Key_0)
        setZoom(1);
    else if (k == Qt::Key_F11)
        setFullScreenGame(!fullScreen_);
    else if (const int letter = tkqt::physicalLetterOf(key); ctrl && letter) {
        // Ctrl and a letter under a layout without Latin letters: the menu shortcut of the key
        // in that place, as on a Latin layout.
        const QKeySequence wanted(QKeyCombination(Qt::ControlModifier, Qt::Key(letter)));
        const QList<QAction*> mine = actions();
        const auto found = std::find_if(mine.begin(), mine.end(), [&](QAction* action) {
            return action->shortcut() == wanted;
        });
        if (found == mine.end())
            return false;
        if ((*found)->isEnabled())
            (*found)->trigger();
    } else {
        return false;
    }
    if (!key.isAutoRepeat())
        remember();
    if (!contains(swallowedKeys_, k))
        swallowedKeys_.push_back(k);
    return true;
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (windowKey(key))
            return true;
        if (!tkqt::isAutoRepeatRelease(key)) {
            const int code = tkqt::keyCodeOf(key);
            const int shift = tkqt::shiftStateOf(key.modifiers());
            if (event->type() == QEvent::KeyPress) {
                if (!contains(heldKeys_, code))
                    heldKeys_.push_back(code);
                keyDown(code, shift);
            } else {
                erase(heldKeys_, code);
                keyUp(code, shift);
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindowView::keyDown(int code, int shift) {
    recorded("keydown " + std::to_string(code), [&] { model_.Form_KeyDown(code, shift); });
}

void MainWindowView::keyUp(int code, int shift) {
    recorded("keyup " + std::to_string(code), [&] { model_.Form_KeyUp(code, shift); });
}

void MainWindowView::releaseHeldKeys() {
    const std::vector<int> held = std::exchange(heldKeys_, {});
    for (const int code : held)
        keyUp(code);
}

}  // namespace views
