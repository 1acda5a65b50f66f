// The main window's size and place: the zoom, never more than the screen takes, the menu bar
// above the court, the one growth the game asks for, and the whole window, frame included, kept
// on the screen after each change.
#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

#include "desktop/views/dialog_frame.h"
#include "desktop/views/main_window_view.h"

namespace views {

int MainWindowView::zoomForScreenHeight(int availableHeight) {
    const int startHeight = tk::pixels(game::kClientHeight);
    int zoom = 1;
    while (zoom < kMaxZoom && (zoom + 1) * startHeight * 10 <= availableHeight * 7)
        ++zoom;
    return zoom;
}

int MainWindowView::largestZoomThatFits(QSize room, QMargins frame, int innerHeightPx) {
    int zoom = kMaxZoom;
    while (zoom > 1 && (kClientWidthPx * zoom + frame.left() + frame.right() > room.width() ||
                        innerHeightPx * zoom + frame.top() + frame.bottom() > room.height()))
        --zoom;
    return zoom;
}

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

int MainWindowView::fittingZoom() const {
    const QRect room = availableArea();
    if (room.isEmpty())
        return kMaxZoom;
    return largestZoomThatFits(room.size(), fullScreen_ ? normalFrameMargins_ : decoration(),
                               tk::pixels(innerHeightTwips_));
}

int MainWindowView::menuBarHeight() {
    // Measured when the menus' visibility or the zoom changes, not on each of a thousand ticks
    // a second.
    const int shown = menus_->visibleTopLevelMenus();
    const int zoom = shownZoom();
    if (shown != measuredMenus_ || zoom != measuredZoom_) {
        measuredMenus_ = shown;
        measuredZoom_ = zoom;
        measuredBarHeight_ = 0;
        // No font is looked at while the bar is empty (the splash): reading the fonts is no
        // part of opening the window.
        if (shown > 0) {
            zoomMenus(*bar_);
            measuredBarHeight_ = bar_->sizeHint().height();
        }
    }
    return measuredBarHeight_;
}

int MainWindowView::shownZoom() const {
    if (!fullScreen_)
        return fitted_;
    const QSize room = stage_->size();
    const int inner = std::max(1, tk::pixels(innerHeightTwips_));
    return std::max(1, std::min(room.width() / kClientWidthPx, room.height() / inner));
}

// The window's size is the game's: 303 pixels wide, its height below the title bar as the game
// last set it, both times the zoom. The menu bar, once shown, takes its room from the top of that
// height; the court and the score bar are painted in what remains. Full screen, the same game
// lies in the middle of a black screen.
void MainWindowView::layoutClient() {
    const int zoom = shownZoom();
    if (property(kZoomProperty).toInt() != zoom)
        setProperty(kZoomProperty, zoom);  // the about and help windows open at the zoom shown
    const int width = kClientWidthPx * zoom;
    const int inner = tk::pixels(innerHeightTwips_) * zoom;
    const int bar = std::min(menuBarHeight(), inner);
    canvas_->setZoom(zoom);
    if (bar_->geometry() != QRect(0, 0, width, bar)) {
        bar_->setGeometry(0, 0, width, bar);
        bar_->setVisible(bar > 0);
    }
    const QRect client(0, bar, width, inner - bar);
    if (canvas_->geometry() != client) {
        canvas_->setFixedSize(client.size());
        canvas_->move(client.topLeft());
    }
    if (fullScreen_) {
        QRect place(QPoint(0, 0), QSize(width, inner));
        place.moveCenter(stage_->rect().center());
        if (frame_->geometry() != place)
            frame_->setGeometry(place);
        return;
    }
    if (frame_->geometry() != QRect(0, 0, width, inner))
        frame_->setGeometry(0, 0, width, inner);
    if (size() != QSize(width, inner) || minimumSize() != maximumSize())
        setFixedSize(width, inner);
}

// After the zoom or the game changed the window's size: the zoom the screen takes, and the
// window, frame included, inside the screen. A new zoom keeps the window's centre where it
// can; the game's growth keeps its top-left corner.
void MainWindowView::resizeInPlace(bool keepCentre) {
    const QRect before = frameGeometry();
    const QMargins frame = decoration();
    fitted_ = std::min(zoom_, fittingZoom());
    layoutClient();
    if (fullScreen_ || !isVisible())
        return;
    QRect wanted(QPoint(0, 0), windowSize().grownBy(frame));
    if (keepCentre)
        wanted.moveCenter(before.center());
    else
        wanted.moveTopLeft(before.topLeft());
    const QRect place = movedInside(wanted, availableArea());
    if (place.topLeft() != before.topLeft())
        move(place.topLeft());
}

void MainWindowView::refit() {
    if (!fullScreen_ && std::min(zoom_, fittingZoom()) != fitted_)
        resizeInPlace(true);
}

// Once the window manager has framed the window: the zoom and the start in the middle of the
// screen, both with the frame counted.
void MainWindowView::settle() {
    if (settled_ || fullScreen_ || !isVisible() || decoration().isNull())
        return;
    settled_ = true;
    fitted_ = std::min(zoom_, fittingZoom());
    layoutClient();
    QRect frame(QPoint(0, 0), windowSize().grownBy(decoration()));
    frame.moveCenter(availableArea().center());
    move(movedInside(frame, availableArea()).topLeft());
}

// The window's size as laid out for the zoom shown in a window: what it is, or will be once the
// window system has caught up with the last resize.
QSize MainWindowView::windowSize() const {
    return QSize(kClientWidthPx, tk::pixels(innerHeightTwips_)) * fitted_;
}

void MainWindowView::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (fullScreen_)
        QTimer::singleShot(0, this, [this] { layoutClient(); });
    settle();
    noteNormalFrame();
}

void MainWindowView::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    settle();
    noteNormalFrame();
}

// Where the window is in a window, frame included, for the way back from full screen. Once a
// window manager has framed the window, a moment without the frame (on the way back) is no
// place to note.
void MainWindowView::noteNormalFrame() {
    if (fullScreen_ || !isVisible() || windowState() != Qt::WindowNoState ||
        (settled_ && decoration().isNull()))
        return;
    normalFrame_ = frameGeometry();
    normalFrameMargins_ = decoration();
}

bool MainWindowView::setZoom(int zoom) {
    if (fullScreen_)
        return false;
    zoom = std::clamp(zoom, 1, fittingZoom());
    if (zoom == fitted_)
        return false;
    zoom_ = zoom;
    resizeInPlace(true);
    return true;
}

void MainWindowView::present() {
    QRect frame(QPoint(0, 0), frameGeometry().size());
    frame.moveCenter(availableArea().center());
    if (fullScreen_) {
        normalFrame_ = frame;
        fullScreen_ = false;
        enterWholeScreen(true);
    } else {
        move(frame.topLeft());
        show();
    }
    layoutClient();
    raise();
    activateWindow();
}

float MainWindowView::outerHeight() const {
    const int decoration = frameGeometry().height() - geometry().height();
    return innerHeightTwips_ + static_cast<float>(decoration) * tk::kTwipsPerPixel;
}

void MainWindowView::setOuterHeight(float twips) {
    const int decoration = frameGeometry().height() - geometry().height();
    innerHeightTwips_ = twips - static_cast<float>(decoration) * tk::kTwipsPerPixel;
    resizeInPlace(false);
}

}  // namespace views
