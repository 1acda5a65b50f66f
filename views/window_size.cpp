// The main window's size: the zoom, full screen, the menu bar above the court and the one
// growth the game asks for.
#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

#include "views/dialog_frame.h"
#include "views/main_window_view.h"

namespace views {

int MainWindowView::zoomForScreenHeight(int availableHeight) {
    const int startHeight = tk::pixels(game::kClientHeight);
    int zoom = 1;
    while (zoom < kMaxZoom && (zoom + 1) * startHeight * 10 <= availableHeight * 7)
        ++zoom;
    return zoom;
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
            // The menus' text at the zoomed size, the menus that open included.
            // A system without any font gives no size: the menus then keep Qt's own.
            QFont font = QApplication::font();
            if (const int px = QFontInfo(font).pixelSize(); px > 0) {
                font.setPixelSize(px * zoom);
                bar_->setFont(font);
                for (QMenu* menu : bar_->findChildren<QMenu*>())
                    menu->setFont(font);
            }
            measuredBarHeight_ = bar_->sizeHint().height();
        }
    }
    return measuredBarHeight_;
}

int MainWindowView::shownZoom() const {
    if (!fullScreen_)
        return zoom_;
    const QScreen* screen = windowHandle() && windowHandle()->screen()
                                ? windowHandle()->screen()
                                : QGuiApplication::primaryScreen();
    if (!screen)
        return zoom_;
    const QSize room = screen->geometry().size();
    const int inner = std::max(1, tk::pixels(innerHeightTwips_));
    return std::max(1, std::min(room.width() / kClientWidthPx, room.height() / inner));
}

// The window's size is the game's: 303 pixels wide, its height below the title bar as the game
// last set it, both times the zoom. The menu bar, once shown, takes its room from the top of that
// height; the court and the score bar are painted in what remains. Full screen, the same game
// lies in the middle of a black screen.
void MainWindowView::layoutClient() {
    const int zoom = shownZoom();
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

void MainWindowView::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (fullScreen_)
        QTimer::singleShot(0, this, [this] { layoutClient(); });
}

void MainWindowView::setZoom(int zoom) {
    zoom = std::clamp(zoom, 1, kMaxZoom);
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    setProperty(kZoomProperty, zoom_);
    layoutClient();
}

void MainWindowView::setFullScreenGame(bool on) {
    if (on == fullScreen_)
        return;
    fullScreen_ = on;
    if (on)
        showWholeScreen();
    else
        showNormal();
    layoutClient();
}

void MainWindowView::showWholeScreen() {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showFullScreen();
    // Where no window manager answers the request, the window takes the screen itself.
    if (const QScreen* screen = windowHandle() ? windowHandle()->screen() : nullptr)
        setGeometry(screen->geometry());
}

void MainWindowView::present() {
    if (fullScreen_) {
        showWholeScreen();
    } else {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        show();
    }
    layoutClient();
    raise();
    activateWindow();
}

void MainWindowView::remember() {
    if (!store_)
        return;
    // Only what the player changed here: a setting given on the command line for this run is
    // not written back.
    Preferences saved = store_->load();
    saved.zoom = zoom_;
    saved.fullScreen = fullScreen_;
    store_->save(saved);
}

float MainWindowView::outerHeight() const {
    const int decoration = frameGeometry().height() - geometry().height();
    return innerHeightTwips_ + static_cast<float>(decoration) * tk::kTwipsPerPixel;
}

void MainWindowView::setOuterHeight(float twips) {
    const int decoration = frameGeometry().height() - geometry().height();
    innerHeightTwips_ = twips - static_cast<float>(decoration) * tk::kTwipsPerPixel;
    layoutClient();
}

}  // namespace views
