#include "desktop/qt/frame_canvas.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace tkqt {

QImage imageOf(const tk::Picture& picture) {
    const tk::Image* source = picture.image();
    if (!source || !source->rgba || source->widthPx <= 0 || source->heightPx <= 0)
        return {};
    return QImage(source->rgba, source->widthPx, source->heightPx, source->widthPx * 4,
                  QImage::Format_RGBA8888)
        .copy();
}

FrameCanvas::FrameCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    frameTimer_.setSingleShot(true);
    frameTimer_.setTimerType(Qt::PreciseTimer);
    connect(&frameTimer_, &QTimer::timeout, this, [this] { frameNow(); });
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const double hz = screen->refreshRate();
        if (hz >= 24 && hz <= 360)
            frameIntervalMs_ = static_cast<int>(std::floor(1000.0 / hz));
    }
    sinceLastFrame_.start();
}

void FrameCanvas::requestFrame() {
    if (frameTimer_.isActive())
        return;
    const qint64 wait = frameIntervalMs_ - sinceLastFrame_.elapsed();
    frameTimer_.start(static_cast<int>(std::clamp<qint64>(wait, 0, frameIntervalMs_)));
}

void FrameCanvas::frameNow() {
    frameTimer_.stop();
    sinceLastFrame_.restart();
    if (onFrameDue)
        onFrameDue();
}

void FrameCanvas::present(const tk::Frame& frame, std::span<const tk::Rect> changed) {
    const tk::Rect whole = frame.bounds();
    if (shown_.width() != frame.width || shown_.height() != frame.height) {
        shown_ = QImage(frame.width, frame.height, QImage::Format_RGB32);
        changed = std::span(&whole, 1);
    }
    for (tk::Rect area : changed) {
        area = area.intersected(whole);
        if (area.empty())
            continue;
        // The frame's pixels as they are: 0xAARRGGBB is Qt's own 32-bit layout.
        for (int y = area.y; y < area.bottom(); ++y)
            std::memcpy(shown_.scanLine(y) + area.x * 4,
                        &frame.pixels[static_cast<std::size_t>(y) * frame.width + area.x],
                        static_cast<std::size_t>(area.width) * 4);
        zoomArea(QRect(area.x, area.y, area.width, area.height));
        update(QRect(area.x * zoom_, area.y * zoom_, area.width * zoom_, area.height * zoom_));
    }
}

void FrameCanvas::zoomArea(const QRect& area) {
    if (zoom_ == 1) {  // the frame itself is painted
        zoomed_ = QImage();
        return;
    }
    if (zoomed_.size() != shown_.size() * zoom_)
        zoomed_ = QImage(shown_.size() * zoom_, QImage::Format_RGB32);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* from = reinterpret_cast<const quint32*>(shown_.constScanLine(y)) + area.x();
        auto* row = reinterpret_cast<quint32*>(zoomed_.scanLine(y * zoom_)) + area.x() * zoom_;
        for (int x = 0; x < area.width(); ++x)
            std::fill_n(row + x * zoom_, zoom_, from[x]);
        for (int copy = 1; copy < zoom_; ++copy)
            std::memcpy(zoomed_.scanLine(y * zoom_ + copy) + area.x() * zoom_ * 4, row,
                        static_cast<std::size_t>(area.width()) * zoom_ * 4);
    }
}

void FrameCanvas::setZoom(int zoom) {
    if (zoom == zoom_ || zoom < 1)
        return;
    zoom_ = zoom;
    zoomArea(shown_.rect());
    update();
}

QPoint FrameCanvas::unzoomed(QPointF point) const {
    return QPoint(static_cast<int>(std::floor(point.x() / zoom_)),
                  static_cast<int>(std::floor(point.y() / zoom_)));
}

void FrameCanvas::paintEvent(QPaintEvent* event) {
    ++paints_;
    QPainter p(this);
    // Black where the widget reaches past the frame (before the first one, a part row).
    for (const QRect& r :
         event->region().subtracted(QRect(0, 0, shown_.width() * zoom_, shown_.height() * zoom_)))
        p.fillRect(r, Qt::black);
    if (shown_.isNull())
        return;
    // Each window pixel a block of zoom x zoom, scaled by the device pixel ratio without
    // smoothing.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const QRect& r : event->region())
        p.drawImage(r.topLeft(), zoom_ == 1 ? shown_ : zoomed_, r);
    // Run once the paint is over and on the screen, not inside it: the painted frame is sent to
    // the display first, or it would wait in the connection's buffer behind whatever runs then.
    if (onFirstShown)
        QTimer::singleShot(0, [shown = std::exchange(onFirstShown, nullptr)] {
            QGuiApplication::sync();
            shown();
        });
}

void FrameCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    pressed_ = unzoomed(event->position());
    pressActive_ = true;
}

void FrameCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressActive_)
        return QWidget::mouseReleaseEvent(event);
    pressActive_ = false;
    if (onClick)
        onClick(pressed_, unzoomed(event->position()));
}

}  // namespace tkqt
