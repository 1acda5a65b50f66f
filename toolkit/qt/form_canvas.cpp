#include "toolkit/qt/form_canvas.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace tkqt {

FormCanvas::FormCanvas(FormPainter& painter, std::function<FormScene()> scene, QWidget* parent)
    : QWidget(parent), painter_(painter), scene_(std::move(scene)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    frameTimer_.setSingleShot(true);
    frameTimer_.setTimerType(Qt::PreciseTimer);
    connect(&frameTimer_, &QTimer::timeout, this, [this] { update(); });
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const double hz = screen->refreshRate();
        if (hz >= 24 && hz <= 360)
            frameIntervalMs_ = static_cast<int>(std::floor(1000.0 / hz));
    }
    sinceLastPaint_.start();
}

void FormCanvas::requestFrame() {
    if (frameTimer_.isActive())
        return;
    const qint64 wait = frameIntervalMs_ - sinceLastPaint_.elapsed();
    frameTimer_.start(static_cast<int>(std::clamp<qint64>(wait, 0, frameIntervalMs_)));
}

void FormCanvas::setZoom(int zoom) {
    if (zoom == zoom_ || zoom < 1)
        return;
    zoom_ = zoom;
    update();
}

QPoint FormCanvas::unzoomed(QPointF point) const {
    return QPoint(static_cast<int>(std::floor(point.x() / zoom_)),
                  static_cast<int>(std::floor(point.y() / zoom_)));
}

void FormCanvas::paintEvent(QPaintEvent*) {
    sinceLastPaint_.restart();
    ++paints_;
    QPainter p(this);
    p.scale(zoom_, zoom_);
    // The window pixels the widget shows, a part of the last one included.
    const QSize client((width() + zoom_ - 1) / zoom_, (height() + zoom_ - 1) / zoom_);
    painter_.paint(p, scene_(), client);
}

void FormCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = painter_.controlAt(scene_(), unzoomed(event->position()));
    pressActive_ = true;
}

void FormCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressActive_)
        return;
    pressActive_ = false;
    const tk::Control* released = painter_.controlAt(scene_(), unzoomed(event->position()));
    if (released == pressed_ && rect().contains(event->position().toPoint()) && onClick)
        onClick(released);
}

}  // namespace tkqt
