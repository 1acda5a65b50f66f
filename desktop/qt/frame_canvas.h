// The widget that presents a window's frames. The renderer draws the window at one pixel per
// window pixel; the widget shows that frame at a whole-number zoom, each pixel a crisp block at
// any device pixel ratio. It renders at most once per display frame however often the model
// changes, repaints only the rows and columns that changed, and reports which control a click
// landed on.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "engine/render/renderer.h"

namespace tkqt {

// A picture of the game as an image for Qt (a window's icon); null for an empty picture.
QImage imageOf(const tk::Picture& picture);

// Where two frames of one size differ: a rectangle for each run of changed rows, from the
// first to the last changed column of the run.
QRegion changedArea(const tk::Frame& before, const tk::Frame& after);

class FrameCanvas : public QWidget {
  public:
    FrameCanvas(const tk::Renderer& renderer, std::function<tk::Scene()> scene,
                QWidget* parent = nullptr);

    // Asks for a new frame; many requests within one display frame give one.
    void requestFrame();
    bool framePending() const { return frameTimer_.isActive(); }
    int frameIntervalMs() const { return frameIntervalMs_; }
    // Renders the scene now and repaints what changed.
    void renderNow();
    // The frame on show, one pixel per window pixel.
    const tk::Frame& frame() const { return shown_; }
    int paintCount() const { return paints_; }

    // The control under a point of the widget (null: the window's own background).
    const tk::Control* controlAt(QPoint point) const;

    int zoom() const { return zoom_; }
    void setZoom(int zoom);

    // Called when the mouse is pressed and released on the same control (null: the window's
    // own background).
    std::function<void(const tk::Control*)> onClick;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPoint unzoomed(QPointF point) const;
    QSize frameSize() const;

    const tk::Renderer& renderer_;
    std::function<tk::Scene()> scene_;
    tk::Frame shown_, next_;
    QTimer frameTimer_;
    QElapsedTimer sinceLastFrame_;
    int frameIntervalMs_ = 16;
    int paints_ = 0;
    int zoom_ = 1;
    const tk::Control* pressed_ = nullptr;
    bool pressActive_ = false;
};

}  // namespace tkqt
