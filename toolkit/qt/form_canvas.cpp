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

void FormCanvas::paintEvent(QPaintEvent*) {
    sinceLastPaint_.restart();
    ++paints_;
    QPainter p(this);
    painter_.paint(p, scene_(), size());
}

void FormCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = painter_.controlAt(scene_(), event->position().toPoint());
    pressActive_ = true;
}

void FormCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressActive_)
        return;
    pressActive_ = false;
    const tk::Control* released = painter_.controlAt(scene_(), event->position().toPoint());
    if (released == pressed_ && rect().contains(event->position().toPoint()) && onClick)
        onClick(released);
}

}  // namespace tkqt
