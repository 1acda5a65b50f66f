// The way of a key: the window's own keys (zoom, full screen, the menus, the menu shortcuts on a
// layout without Latin letters) stop here; every other key goes to the game's key handlers, and a
// key that went down comes up again however the focus wanders.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

#include <algorithm>

#include "desktop/qt/key_codes.h"
#include "desktop/views/main_window_view.h"
#include "desktop/views/session_recorder.h"

namespace views {

namespace {

bool contains(const std::vector<int>& keys, int key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

void erase(std::vector<int>& keys, int key) {
    keys.erase(std::remove(keys.begin(), keys.end(), key), keys.end());
}

}  // namespace

// The window's own keys: the zoom and full screen, the menu bar (F10, as Alt), the settings menu
// (the Menu key, Shift+F10). They never reach the game, nor does their release.
bool MainWindowView::windowKey(const QKeyEvent& key) {
    const int k = key.key();
    if (key.type() == QEvent::KeyRelease) {
        if (!contains(swallowedKeys_, k))
            return false;
        if (!key.isAutoRepeat())
            erase(swallowedKeys_, k);
        return true;
    }
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    // Ctrl, with or without Shift ("+" is a shifted key on many layouts).
    const bool ctrl = (modifiers & ~Qt::ShiftModifier) == Qt::ControlModifier;
    const int zoomKey = ctrl ? tkqt::zoomKeyOf(key) : 0;
    const bool repeat = key.isAutoRepeat();
    if (zoomKey != 0) {
        const int zoom = zoomKey == Qt::Key_Plus    ? shownZoom() + 1
                         : zoomKey == Qt::Key_Minus ? shownZoom() - 1
                                                    : 1;
        if (setZoom(zoom))
            remember([this](Preferences& p) { p.zoom = zoom_; });
    } else if (k == Qt::Key_F11 && !modifiers) {
        if (!repeat) {
            setFullScreenGame(!fullScreen_);
            remember([this](Preferences& p) { p.fullScreen = fullScreen_; });
        }
    } else if (k == Qt::Key_F10 && !modifiers) {
        openMenuBar();
    } else if (k == Qt::Key_Menu || (k == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        openSettings(mapToGlobal(frame_->geometry().center()));
    } else if (const int letter = tkqt::physicalLetterOf(key); ctrl && letter) {
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
    if (!contains(swallowedKeys_, k))
        swallowedKeys_.push_back(k);
    return true;
}

// F10 does what Alt does: the menu bar takes the keys, its first menu marked, none open yet.
// The bar learns it the way it learns of Alt, from the window's key events.
void MainWindowView::openMenuBar() {
    if (!bar_->isVisible() || bar_->activeAction())
        return;
    releaseHeldKeys();
    // An Alt key's event reports Alt as changed by the key: none held before it goes down.
    QKeyEvent altDown(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(frame_, &altDown);
    QCoreApplication::sendEvent(frame_, &altUp);
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (windowKey(key))
            return true;
        // While the menu bar has the keys (Alt, F10), they are the menu's, not the game's.
        if (!tkqt::isAutoRepeatRelease(key) && !bar_->activeAction()) {
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
