// Where the keyboard focus goes: when it leaves the game, the keys held come up, and when it
// goes to another program (or the window is minimised) a running match pauses.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "desktop/views/main_window_view.h"

namespace views {

void MainWindowView::watchFocus() {
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
        if (!windowHandle() || now == windowHandle() || closed_)
            return;
        releaseHeldKeys();
        // Focus passing between the game's own windows goes through no window at all for a
        // moment on some systems: look again once the events of the change are handled.
        if (!now)
            QTimer::singleShot(50, this, [this] {
                if (!QGuiApplication::focusWindow() && !QApplication::activePopupWidget())
                    focusLeft(true);
            });
    });
}

void MainWindowView::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    watchWindowKeys();
}

void MainWindowView::watchWindowKeys() {
    if (watchingKeys_ || !windowHandle())
        return;
    windowHandle()->installEventFilter(this);
    watchingKeys_ = true;
    connect(windowHandle(), &QWindow::windowStateChanged, this,
            [this](Qt::WindowState state) { followWindowState(state); });
    // On another screen, the zoom that screen takes.
    connect(windowHandle(), &QWindow::screenChanged, this, [this] { refit(); });
}

void MainWindowView::focusLeft(bool toAnotherProgram) {
    releaseHeldKeys();
    if (toAnotherProgram)
        autoPause();
}

// The player has gone to another program, or minimised the game: a running match pauses as
// the "P" key pauses it, and waits for "P" or an arrow.
void MainWindowView::autoPause() {
    if (!autoPause_ || closed_)
        return;
    if (model_.matchRunning())
        keyDown(game::kKeyP);
}

}  // namespace views
