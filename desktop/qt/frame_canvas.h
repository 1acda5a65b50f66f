// The widget that shows a window's frames as the running game draws them: each frame pixel a
// crisp zoom x zoom block at any device pixel ratio. It asks for a frame at most once per display
// frame however often the game changes, repaints only what changed, and reports a press and
// release of the left button in the window's own pixels.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <span>

#include "engine/core/picture.h"
#include "engine/render/frame.h"

namespace tkqt {

// A picture of the game as an image for Qt (a window's icon); null for an empty picture.
QImage imageOf(const tk::Picture& picture);

class FrameCanvas : public QWidget {
  public:
    explicit FrameCanvas(QWidget* parent = nullptr);

    // Asks for a frame: onFrameDue runs at the next display frame, once however many asked.
    void requestFrame();
    int frameIntervalMs() const { return frameIntervalMs_; }
    bool framePending() const { return frameTimer_.isActive(); }
    // Runs onFrameDue now.
    void frameNow();
    // Shows `frame`, of which the `changed` areas are new since the last one shown.
    void present(const tk::Frame& frame, std::span<const tk::Rect> changed);
    // The frame on show, one pixel per window pixel.
    const QImage& image() const { return shown_; }
    int paintCount() const { return paints_; }

    int zoom() const { return zoom_; }
    void setZoom(int zoom);

    std::function<void()> onFrameDue;
    // Once, as soon as the first frame has been painted: what can wait until the player sees
    // the window.
    std::function<void()> onFirstShown;
    // A press and its release, in pixels of the window at zoom 1 (the release may lie outside).
    std::function<void(QPoint press, QPoint release)> onClick;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPoint unzoomed(QPointF point) const;
    // Copies an area of shown_ into zoomed_, each pixel a zoom x zoom block.
    void zoomArea(const QRect& area);

    QImage shown_;
    // The frame at the zoom (above 1), kept up to date area by area: a paint is a plain copy, not
    // a scaled drawing, which Qt would share out to a pool of threads at every frame.
    QImage zoomed_;
    QTimer frameTimer_;
    QElapsedTimer sinceLastFrame_;
    int frameIntervalMs_ = 16;
    int paints_ = 0;
    int zoom_ = 1;
    QPoint pressed_;
    bool pressActive_ = false;
};

}  // namespace tkqt
