// Where the keyboard focus goes: when it leaves the game's windows the game lets go of the keys
// held, and when it goes to another program (or the window is minimised) the game hears that
// too, and pauses a running match.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "desktop/views/main_window_view.h"

namespace views {

void MainWindowView::watchFocus() {
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
        if (!windowHandle() || now == windowHandle())
            return;
        input_.act([](running::Game& game) { game.focusLost(false); });
        // Focus passing between the game's own windows goes through no window at all for a
        // moment on some systems: look again once the events of the change are handled.
        if (!now)
            QTimer::singleShot(50, this, [this] {
                if (!QGuiApplication::focusWindow() && !QApplication::activePopupWidget())
                    input_.act([](running::Game& game) { game.focusLost(true); });
            });
    });
}

void MainWindowView::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    watchWindow();
}

void MainWindowView::watchWindow() {
    if (watching_ || !windowHandle())
        return;
    watching_ = true;
    keys_->watch(*windowHandle());
    connect(windowHandle(), &QWindow::windowStateChanged, this,
            [this](Qt::WindowState state) { followWindowState(state); });
    // On another screen, the room that screen leaves.
    connect(windowHandle(), &QWindow::screenChanged, this, [this] { updateRoom(); });
}

}  // namespace views
