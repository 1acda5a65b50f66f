// The widget a window's controls are painted on. It paints at most once per display frame however
// often the model changes, and reports which control a click landed on. At a zoom of z every
// window pixel of the game covers z x z pixels of the widget.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "toolkit/qt/form_painter.h"

namespace tkqt {

class FormCanvas : public QWidget {
  public:
    FormCanvas(FormPainter& painter, std::function<FormScene()> scene, QWidget* parent = nullptr);

    // Asks for a repaint; many requests within one display frame give one paint.
    void requestFrame();
    bool framePending() const { return frameTimer_.isActive(); }
    int frameIntervalMs() const { return frameIntervalMs_; }
    int paintCount() const { return paints_; }

    FormScene scene() const { return scene_(); }
    // The control under a point of the widget.
    const tk::Control* controlAt(QPoint point) {
        return painter_.controlAt(scene_(), unzoomed(point));
    }

    int zoom() const { return zoom_; }
    void setZoom(int zoom);

    // Called when the mouse is pressed and released on the same control (null: the window's
    // own background).
    std::function<void(const tk::Control*)> onClick;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPoint unzoomed(QPointF point) const;

    FormPainter& painter_;
    std::function<FormScene()> scene_;
    QTimer frameTimer_;
    QElapsedTimer sinceLastPaint_;
    int frameIntervalMs_ = 16;
    int paints_ = 0;
    int zoom_ = 1;
    const tk::Control* pressed_ = nullptr;
    bool pressActive_ = false;
};

}  // namespace tkqt
