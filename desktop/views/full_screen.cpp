// Full screen: asked of the window manager with the standard full-screen state, the game at the
// zoom the game shows on the whole screen, centred on black; back in a window, the window where
// and as large as it was. When the window manager makes the window full screen or maximises it
// on its own, the game follows it the same way.
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "desktop/views/main_window_view.h"

namespace views {

namespace {
// How long the window manager has to answer a request for full screen.
constexpr int kAnswerMs = 250;
}  // namespace

void MainWindowView::setFullScreenGame(bool on) {
    if (on == fullScreen_)
        return;
    if (on)
        enterWholeScreen(true);
    else
        leaveWholeScreen(true);
}

// `ask`: the player asked, and the window manager is asked in turn; else the window manager did
// it and the game follows.
void MainWindowView::enterWholeScreen(bool ask) {
    noteNormalFrame();
    fullScreen_ = true;
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (ask) {
        showFullScreen();
        QTimer::singleShot(kAnswerMs, this, [this] { takeScreenIfUnanswered(); });
    }
    updateRoom();
    layoutClient();
}

// Where no window manager answers the request, the window takes the screen itself.
void MainWindowView::takeScreenIfUnanswered() {
    const QScreen* screen = windowHandle() ? windowHandle()->screen() : nullptr;
    if (fullScreen_ && screen && geometry() != screen->geometry())
        setGeometry(screen->geometry());
}

void MainWindowView::leaveWholeScreen(bool ask) {
    // The frame as it was, centred where it was if the game grew meanwhile. It is placed by the
    // window's own corner, which is right whatever frame the window manager has put back yet.
    const QMargins margins = normalFrameMargins_;
    const QPoint centre = normalFrame_.center();
    fullScreen_ = false;
    if (ask)
        showNormal();
    updateRoom();
    layoutClient();
    QRect frame(QPoint(0, 0), (laidOut_ * zoom_).grownBy(margins));
    frame.moveCenter(centre);
    setGeometry(movedInside(frame, availableArea()).marginsRemoved(margins));
    // Never framed yet (the game started in full screen): placed again in the middle once the
    // window manager has framed it.
    if (!settled_)
        QTimer::singleShot(kAnswerMs, this, [this] { settlePlace(); });
}

void MainWindowView::followWindowState(Qt::WindowState state) {
    if (state == Qt::WindowMinimized) {
        input_.act([](running::Game& game) { game.focusLost(true); });
        return;
    }
    const bool whole = state == Qt::WindowFullScreen || state == Qt::WindowMaximized;
    if (whole == fullScreen_)
        return;
    if (whole)
        enterWholeScreen(false);
    else
        leaveWholeScreen(false);
    // The window manager's doing, not the player's choice: the game shows it, nothing is kept.
    input_.act([whole](running::Game& game) {
        running::Settings settings = game.settings();
        settings.fullScreen = whole;
        game.changeSettings(settings);
    });
}

}  // namespace views
