// Draws a window's controls the way the game lays them out: each container first shows its back
// colour, its picture and what was drawn on it, then its labels, shapes, lines and images, then
// its picture boxes; earlier-listed controls lie above later ones, and every child is cut off at
// its container's client area. Positions are twips, snapped to whole pixels; pictures are scaled
// without smoothing, so the pixel art stays crisp on a high-density screen.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

#include <functional>
#include <map>
#include <vector>

#include "toolkit/core/controls.h"
#include "toolkit/qt/fonts.h"

namespace tkqt {

// Pixels of a position or size in twips, rounded half up as the window snaps them.
int pixels(float twips);

// The images behind the game's pictures, converted once for painting.
class PictureCache {
  public:
    const QImage& image(const tk::Picture& picture);

  private:
    struct Entry {
        tk::Picture keepAlive;  // the address stays unique while the entry exists
        QImage image;
    };
    std::map<const tk::Image*, Entry> images_;
};

// A window as the painter sees it: its own surface and its controls in the window's order.
struct FormScene {
    tk::Color backColor = tk::kWhite;
    tk::Picture picture;                   // painted from the client area's top-left corner
    const tk::Surface* drawing = nullptr;  // lines drawn on the window itself
    std::vector<tk::ControlRef> controls;
    // The controls inside a picture box (the court's players, the splash's label); none if unset.
    std::function<std::vector<tk::ControlRef>(const tk::PictureBox&)> childrenOf;
};

class FormPainter {
  public:
    FormPainter(PictureCache& pictures, const FontBook& fonts)
        : pictures_(pictures), fonts_(fonts) {}

    PictureCache& pictureCache() { return pictures_; }
    const FontBook& fonts() const { return fonts_; }

    // Paints the whole client area (size in pixels) of the window.
    void paint(QPainter& painter, const FormScene& scene, QSize clientSize);

    // The control a click at this point of the client area lands on: the topmost visible one,
    // inner controls before their container. Null for the window's bare background (and lines,
    // which take no clicks).
    const tk::Control* controlAt(const FormScene& scene, QPoint point);

    // Where a label's text sits in its container. A self-sizing label takes its text's size:
    // a left-aligned one keeps its left edge, a right-aligned one its right edge and a centred
    // one its middle, all as laid out for its first caption.
    QRect labelRect(const tk::Label& label) const;

  private:
    void paintContainer(QPainter& painter, const FormScene& scene,
                        const std::vector<tk::ControlRef>& controls, QPoint origin, QRect clip);
    void paintPictureBox(QPainter& painter, const FormScene& scene, const tk::PictureBox& box,
                         QPoint origin, QRect clip);
    void paintLabel(QPainter& painter, const tk::Label& label, QPoint origin);
    void paintText(QPainter& painter, QRect r, int flags, const QString& text, const tk::Font& font,
                   const QColor& color);
    void paintShape(QPainter& painter, const tk::Shape& shape, QPoint origin);
    void paintImage(QPainter& painter, const QImage& image, QPoint at);
    void paintSurface(QPainter& painter, const tk::Surface& surface, QPoint origin);
    const tk::Control* hit(const FormScene& scene, const std::vector<tk::ControlRef>& controls,
                           QPoint point);
    const QImage& shapeImage(const tk::Shape& shape, QSize size);

    PictureCache& pictures_;
    const FontBook& fonts_;
    std::map<std::tuple<int, int, bool, tk::Color, tk::Color, bool>, QImage> shapes_;
};

// The rectangle of a control in its container, in pixels.
QRect controlRect(const tk::Control& control);
// The client area of a picture box in its container: inside its border.
QRect clientRect(const tk::PictureBox& box);

inline QColor toQColor(tk::Color c) {
    return QColor(tk::redOf(c), tk::greenOf(c), tk::blueOf(c));
}

}  // namespace tkqt
