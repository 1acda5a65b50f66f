#include "desktop/qt/frame_canvas.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace tkqt {

QImage imageOf(const tk::Picture& picture) {
    const tk::Image* source = picture.image();
    if (!source || !source->rgba || source->widthPx <= 0 || source->heightPx <= 0)
        return {};
    return QImage(source->rgba, source->widthPx, source->heightPx, source->widthPx * 4,
                  QImage::Format_RGBA8888)
        .copy();
}

QRegion changedArea(const tk::Frame& before, const tk::Frame& after) {
    if (before.width != after.width || before.height != after.height)
        return QRegion(0, 0, after.width, after.height);
    QRegion area;
    int runTop = -1, runLeft = after.width, runRight = -1;
    auto closeRun = [&](int end) {
        if (runTop >= 0)
            area += QRect(runLeft, runTop, runRight - runLeft + 1, end - runTop);
        runTop = -1;
        runLeft = after.width;
        runRight = -1;
    };
    for (int y = 0; y < after.height; ++y) {
        const tk::Pixel* a = &before.pixels[static_cast<std::size_t>(y) * after.width];
        const tk::Pixel* b = &after.pixels[static_cast<std::size_t>(y) * after.width];
        const auto first = std::mismatch(a, a + after.width, b);
        if (first.first == a + after.width) {
            closeRun(y);
            continue;
        }
        int last = after.width - 1;
        while (a[last] == b[last])
            --last;
        if (runTop < 0)
            runTop = y;
        runLeft = std::min(runLeft, static_cast<int>(first.first - a));
        runRight = std::max(runRight, last);
    }
    closeRun(after.height);
    return area;
}

FrameCanvas::FrameCanvas(const tk::Renderer& renderer, std::function<tk::Scene()> scene,
                         QWidget* parent)
    : QWidget(parent), renderer_(renderer), scene_(std::move(scene)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    frameTimer_.setSingleShot(true);
    frameTimer_.setTimerType(Qt::PreciseTimer);
    connect(&frameTimer_, &QTimer::timeout, this, [this] { renderNow(); });
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const double hz = screen->refreshRate();
        if (hz >= 24 && hz <= 360)
            frameIntervalMs_ = static_cast<int>(std::floor(1000.0 / hz));
    }
    sinceLastFrame_.start();
}

QSize FrameCanvas::frameSize() const {
    // The window pixels the widget shows, a part of the last one included.
    return QSize((width() + zoom_ - 1) / zoom_, (height() + zoom_ - 1) / zoom_);
}

void FrameCanvas::requestFrame() {
    if (frameTimer_.isActive())
        return;
    const qint64 wait = frameIntervalMs_ - sinceLastFrame_.elapsed();
    frameTimer_.start(static_cast<int>(std::clamp<qint64>(wait, 0, frameIntervalMs_)));
}

void FrameCanvas::renderNow() {
    frameTimer_.stop();
    sinceLastFrame_.restart();
    const QSize size = frameSize();
    if (next_.width != size.width() || next_.height != size.height())
        next_ = tk::Frame(size.width(), size.height());
    renderer_.render(scene_(), next_);
    const QRegion changed = changedArea(shown_, next_);
    std::swap(shown_, next_);
    if (changed.isEmpty())
        return;
    QRegion onScreen;
    for (const QRect& r : changed)
        onScreen += QRect(r.topLeft() * zoom_, r.size() * zoom_);
    update(onScreen);
}

void FrameCanvas::setZoom(int zoom) {
    if (zoom == zoom_ || zoom < 1)
        return;
    zoom_ = zoom;
    renderNow();
    update();
}

void FrameCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    renderNow();
    update();
}

QPoint FrameCanvas::unzoomed(QPointF point) const {
    return QPoint(static_cast<int>(std::floor(point.x() / zoom_)),
                  static_cast<int>(std::floor(point.y() / zoom_)));
}

void FrameCanvas::paintEvent(QPaintEvent* event) {
    ++paints_;
    QPainter p(this);
    if (shown_.pixels.empty()) {
        p.fillRect(event->rect(), Qt::black);
        return;
    }
    // The frame's pixels as they are (0xAARRGGBB is Qt's own 32-bit layout), scaled without
    // smoothing: each window pixel a block of zoom x zoom (x the device pixel ratio).
    const QImage image(reinterpret_cast<const uchar*>(shown_.pixels.data()), shown_.width,
                       shown_.height, shown_.width * 4, QImage::Format_RGB32);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setClipRegion(event->region());
    p.scale(zoom_, zoom_);
    p.drawImage(QPoint(0, 0), image);
}

const tk::Control* FrameCanvas::controlAt(QPoint point) const {
    const QPoint at = unzoomed(point);
    return renderer_.controlAt(scene_(), at.x(), at.y());
}

void FrameCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = controlAt(event->position().toPoint());
    pressActive_ = true;
}

void FrameCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressActive_)
        return;
    pressActive_ = false;
    const tk::Control* released = controlAt(event->position().toPoint());
    if (released == pressed_ && rect().contains(event->position().toPoint()) && onClick)
        onClick(released);
}

}  // namespace tkqt
