// The main window's size and place: the game's client area and menu bar at the zoom the game
// shows, the room the screen leaves the game told to it, and the whole window, frame included,
// kept on the screen after each change.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

#include "desktop/views/main_window_view.h"

namespace views {

QRect MainWindowView::movedInside(QRect wanted, const QRect& room) {
    wanted.moveRight(std::min(wanted.right(), room.right()));
    wanted.moveBottom(std::min(wanted.bottom(), room.bottom()));
    wanted.moveLeft(std::max(wanted.left(), room.left()));
    wanted.moveTop(std::max(wanted.top(), room.top()));
    return wanted;
}

// The part of the screen the window manager leaves to windows (no panels).
QRect MainWindowView::availableArea() const {
    const QScreen* screen = windowHandle() && windowHandle()->screen()
                                ? windowHandle()->screen()
                                : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The window manager's frame around the window: title bar and borders (none where no window
// manager runs, and none yet before it has framed the window).
QMargins MainWindowView::decoration() const {
    const QRect outer = frameGeometry(), inner = geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The game at zoom 1: its client area and, once shown, the menu bar above it.
QSize MainWindowView::gameSize() {
    const tk::Rect client = game().clientArea(running::Window::Main);
    const int bar = game().menuBarShown() ? running::Game::kMenuBarPx : 0;
    return {client.width, client.height + bar};
}

// The menus' text at the zoom shown, and the room around it zoomed by their style. A system
// without any font gives no size: the menus then keep Qt's own.
void MainWindowView::zoomMenus(QWidget& menus) {
    menuStyle_->setZoom(zoom_);
    QFont font = QApplication::font();
    const int px = QFontInfo(font).pixelSize();
    if (px <= 0)
        return;
    font.setPixelSize(px * zoom_);
    menus.setFont(font);
    for (QMenu* menu : menus.findChildren<QMenu*>())
        menu->setFont(font);
}

// The window's size is the game's, times the zoom: the menu bar, once shown, at the top, the
// court and the score bar painted below it. Full screen, the same game lies in the middle of a
// black screen.
void MainWindowView::layoutClient() {
    zoom_ = std::max(1, game().zoom());
    laidOut_ = gameSize();
    // Not before the bar shows: the bar itself and the font database the menus' text needs are
    // slow to load, and the splash shows no text of Qt's.
    const bool barShown = game().menuBarShown();
    if (barShown)
        makeBar();
    if (menuZoom_ != zoom_ && barShown) {
        menuZoom_ = zoom_;
        zoomMenus(*bar_);
    }
    const QSize inner = laidOut_ * zoom_;
    const int bar = barShown ? running::Game::kMenuBarPx * zoom_ : 0;
    canvas_->setZoom(zoom_);
    if (bar_ && bar_->geometry() != QRect(0, 0, inner.width(), bar)) {
        bar_->setGeometry(0, 0, inner.width(), bar);
        bar_->setVisible(bar > 0);
    }
    const QRect client(0, bar, inner.width(), inner.height() - bar);
    if (canvas_->geometry() != client) {
        canvas_->setFixedSize(client.size());
        canvas_->move(client.topLeft());
    }
    if (fullScreen_) {
        QRect place(QPoint(0, 0), inner);
        place.moveCenter(stage_->rect().center());
        if (frame_->geometry() != place)
            frame_->setGeometry(place);
        return;
    }
    if (frame_->geometry() != QRect(QPoint(0, 0), inner))
        frame_->setGeometry(0, 0, inner.width(), inner.height());
    if (size() != inner || minimumSize() != maximumSize())
        setFixedSize(inner);
}

// After the zoom or the game changed the window's size: the window, frame included, inside the
// screen. A new zoom keeps the window's centre where it can; the game's growth keeps its
// top-left corner.
void MainWindowView::resizeInPlace(bool keepCentre) {
    const QRect before = frameGeometry();
    const QMargins frame = decoration();
    layoutClient();
    if (fullScreen_ || !isVisible())
        return;
    QRect wanted(QPoint(0, 0), (laidOut_ * zoom_).grownBy(frame));
    if (keepCentre)
        wanted.moveCenter(before.center());
    else
        wanted.moveTopLeft(before.topLeft());
    const QRect place = movedInside(wanted, availableArea());
    if (place.topLeft() != before.topLeft())
        move(place.topLeft());
}

// The room the game has: the screen's work area less the window's frame as it was last seen in
// a window, or in full screen the whole screen. Told to the game only when it changed.
void MainWindowView::updateRoom() {
    running::Room room;
    if (fullScreen_) {
        const QScreen* screen = windowHandle() ? windowHandle()->screen() : nullptr;
        const QRect whole = screen ? screen->geometry() : availableArea();
        room.width = whole.width();
        room.height = whole.height();
    } else {
        const QRect area = availableArea();
        room.width = area.width();
        room.height = area.height();
        room.aroundWidth = normalFrameMargins_.left() + normalFrameMargins_.right();
        room.aroundHeight = normalFrameMargins_.top() + normalFrameMargins_.bottom();
    }
    if (room.width == room_.width && room.height == room_.height &&
        room.aroundWidth == room_.aroundWidth && room.aroundHeight == room_.aroundHeight)
        return;
    room_ = room;
    input_.act([&](running::Game& game) { game.setRoom(room); });
}

// Once the window manager has framed the window: the zoom and the start in the middle of the
// screen, both with the frame counted.
void MainWindowView::settlePlace() {
    if (settled_ || fullScreen_ || !isVisible() || decoration().isNull())
        return;
    settled_ = true;
    noteNormalFrame();
    updateRoom();
    layoutClient();
    QRect frame(QPoint(0, 0), (laidOut_ * zoom_).grownBy(decoration()));
    frame.moveCenter(availableArea().center());
    move(movedInside(frame, availableArea()).topLeft());
}

void MainWindowView::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (fullScreen_)
        QTimer::singleShot(0, this, [this] { layoutClient(); });
    settlePlace();
    noteNormalFrame();
}

void MainWindowView::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    settlePlace();
    noteNormalFrame();
}

// Where the window is in a window, frame included, for the way back from full screen and the
// room the frame takes. Once a window manager has framed the window, a moment without the frame
// (on the way back) is no place to note.
void MainWindowView::noteNormalFrame() {
    if (fullScreen_ || !isVisible() || windowState() != Qt::WindowNoState ||
        (settled_ && decoration().isNull()))
        return;
    normalFrame_ = frameGeometry();
    normalFrameMargins_ = decoration();
    updateRoom();
}

void MainWindowView::present() {
    layoutClient();
    updateRoom();
    QRect frame(QPoint(0, 0), frameGeometry().size());
    frame.moveCenter(availableArea().center());
    if (input_.game().settings().fullScreen) {
        normalFrame_ = frame;
        enterWholeScreen(true);
    } else {
        move(frame.topLeft());
        show();
    }
    layoutClient();
    raise();
    activateWindow();
}

}  // namespace views
