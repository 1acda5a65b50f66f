#include "toolkit/qt/form_painter.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <ranges>

namespace tkqt {

namespace {

// A line covers both of its end points whichever way it is given: a one-pixel-wide run when it
// is horizontal or vertical, else a stepped line with its two ends set as well.
void drawSegment(QPainter& painter, QPoint a, QPoint b, const QColor& color) {
    const QPoint topLeft(std::min(a.x(), b.x()), std::min(a.y(), b.y()));
    const QPoint bottomRight(std::max(a.x(), b.x()), std::max(a.y(), b.y()));
    if (a.x() == b.x() || a.y() == b.y()) {
        painter.fillRect(QRect(topLeft, bottomRight), color);
        return;
    }
    painter.setPen(QPen(color, 1));
    painter.drawLine(a, b);
    painter.fillRect(QRect(a, QSize(1, 1)), color);
    painter.fillRect(QRect(b, QSize(1, 1)), color);
}

void drawFrame(QPainter& painter, QRect r, const QColor& color) {
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), color);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), color);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), color);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), color);
}

// A sunken two-pixel border, as the hidden frame holders have. Filled, not qDrawWinPanel: its
// lines are cosmetic pens one device pixel wide, which would thin the border at a zoom or a
// device pixel ratio of 2 where everything else grows in whole blocks.
void drawSunkenBorder(QPainter& painter, QRect r) {
    const QColor shadow(128, 128, 128), dark(64, 64, 64), light(255, 255, 255), face(212, 208, 200);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), shadow);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), shadow);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), light);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), light);
    const QRect in = r.adjusted(1, 1, -1, -1);
    painter.fillRect(QRect(in.left(), in.top(), in.width(), 1), dark);
    painter.fillRect(QRect(in.left(), in.top(), 1, in.height()), dark);
    painter.fillRect(QRect(in.left(), in.bottom(), in.width(), 1), face);
    painter.fillRect(QRect(in.right(), in.top(), 1, in.height()), face);
}

bool isPictureBox(const tk::ControlRef& ref) {
    return ref.pictureBox() != nullptr;
}

}  // namespace

void FormPainter::paint(QPainter& painter, const FormScene& scene, QSize clientSize) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect client(QPoint(0, 0), clientSize);
    painter.setClipRect(client);
    painter.fillRect(client, toQColor(scene.backColor));
    paintImage(painter, pictures_.image(scene.picture), QPoint(0, 0));
    if (scene.drawing)
        paintSurface(painter, *scene.drawing, QPoint(0, 0));
    paintContainer(painter, scene, scene.controls, QPoint(0, 0), client);
}

void FormPainter::paintContainer(QPainter& painter, const FormScene& scene,
                                 const std::vector<tk::ControlRef>& controls, QPoint origin,
                                 QRect clip) {
    // Labels, shapes, lines and images lie on the container's surface, under its picture boxes;
    // within each layer an earlier-listed control covers a later one, so paint from the end.
    for (const tk::ControlRef& ref : controls | std::views::reverse) {
        if (isPictureBox(ref))
            continue;
        painter.save();
        painter.setClipRect(clip);
        if (const tk::LineControl* lineControl = ref.lineControl()) {
            const tk::LineControl& line = *lineControl;
            drawSegment(painter, origin + QPoint(pixels(line.X1), pixels(line.Y1)),
                        origin + QPoint(pixels(line.X2), pixels(line.Y2)),
                        toQColor(line.BorderColor));
        } else if (ref.control()->Visible) {
            if (const tk::Label* label = ref.label())
                paintLabel(painter, *label, origin);
            else if (const tk::Shape* shape = ref.shape())
                paintShape(painter, *shape, origin);
            else if (const tk::ImageControl* image = ref.imageControl())
                paintImage(painter, pictures_.image(image->picture),
                           origin + controlRect(*image).topLeft());
            else if (const tk::TextBox* text = ref.textBox()) {
                const QRect r = controlRect(*text).translated(origin);
                painter.fillRect(r, Qt::white);
                drawSunkenBorder(painter, r);
                paintText(painter, r.adjusted(3, 2, -3, -2), Qt::AlignLeft | Qt::AlignTop,
                          QString::fromStdString(text->Text), tk::Font{}, Qt::black);
            }
        }
        painter.restore();
    }
    for (const tk::ControlRef& ref : controls | std::views::reverse) {
        const tk::PictureBox* box = ref.pictureBox();
        if (box && box->Visible)
            paintPictureBox(painter, scene, *box, origin, clip);
    }
}

void FormPainter::paintPictureBox(QPainter& painter, const FormScene& scene,
                                  const tk::PictureBox& box, QPoint origin, QRect clip) {
    const QRect outer = controlRect(box).translated(origin);
    const QRect inner = clientRect(box).translated(origin);
    const QRect innerClip = inner.intersected(clip);
    painter.save();
    painter.setClipRect(outer.intersected(clip));
    if (box.borderPx == 1)
        drawFrame(painter, outer, Qt::black);
    else if (box.borderPx >= 2)
        drawSunkenBorder(painter, outer);
    painter.setClipRect(innerClip);
    painter.fillRect(inner, toQColor(box.BackColor));
    paintImage(painter, pictures_.image(box.picture()), inner.topLeft());
    paintSurface(painter, box, inner.topLeft());
    painter.restore();
    if (scene.childrenOf && !innerClip.isEmpty()) {
        const std::vector<tk::ControlRef> children = scene.childrenOf(box);
        if (!children.empty()) {
            painter.save();
            paintContainer(painter, scene, children, inner.topLeft(), innerClip);
            painter.restore();
        }
    }
}

void FormPainter::paintSurface(QPainter& painter, const tk::Surface& surface, QPoint origin) {
    for (const tk::DrawnLine& line : surface.drawing) {
        const QPoint a = origin + QPoint(pixels(line.x1), pixels(line.y1));
        const QPoint b = origin + QPoint(pixels(line.x2), pixels(line.y2));
        drawSegment(painter, a, b, toQColor(line.color));
    }
}

void FormPainter::paintImage(QPainter& painter, const QImage& image, QPoint at) {
    if (image.isNull())
        return;
    // Drawn at its size in window pixels; on a denser screen each pixel becomes a crisp block.
    painter.drawImage(QRect(at, image.size()), image);
}

QRect FormPainter::labelRect(const tk::Label& label) const {
    const QRect box = controlRect(label);
    if (!label.AutoSize)
        return box;
    const QFontMetrics metrics(fonts_.font(label.font));
    const QString text = QString::fromStdString(label.Caption);
    const int width = metrics.horizontalAdvance(text);
    const int height = metrics.height();
    switch (label.alignment) {
        case tk::Alignment::Left:
            return QRect(box.left(), box.top(), width, height);
        case tk::Alignment::Right:
            return QRect(pixels(label.Left + label.Width) - width, box.top(), width, height);
        case tk::Alignment::Center: {
            const double middle =
                (static_cast<double>(label.Left) + label.Width / 2.0) / tk::kTwipsPerPixel;
            return QRect(static_cast<int>(std::floor(middle - width / 2.0 + 0.5)), box.top(), width,
                         height);
        }
    }
    return box;
}

void FormPainter::paintLabel(QPainter& painter, const tk::Label& label, QPoint origin) {
    const QRect r = labelRect(label).translated(origin);
    if (!label.transparent)
        painter.fillRect(r, toQColor(label.BackColor));
    if (label.Caption.empty())
        return;
    int flags = Qt::AlignTop;
    switch (label.alignment) {
        case tk::Alignment::Left:
            flags |= Qt::AlignLeft;
            break;
        case tk::Alignment::Right:
            flags |= Qt::AlignRight;
            break;
        case tk::Alignment::Center:
            flags |= Qt::AlignHCenter;
            break;
    }
    // A label that keeps its size wraps its text at word boundaries within its box.
    if (!label.AutoSize)
        flags |= Qt::TextWordWrap;
    const QString text = QString::fromStdString(label.Caption);
    painter.setClipRect(r, Qt::IntersectClip);
    paintText(painter, r, flags, text, label.font, toQColor(label.ForeColor));
}

void FormPainter::paintText(QPainter& painter, QRect r, int flags, const QString& text,
                            const tk::Font& font, const QColor& color) {
    // Every text is set one pixel to a window pixel and then scaled like a picture: the bitmap
    // look-alike has no larger sizes, and so every text, like the pixel art, keeps its exact
    // layout and its pixel shape at any zoom and on any screen.
    if (r.isEmpty())
        return;
    QImage stamp(r.size(), QImage::Format_ARGB32_Premultiplied);
    stamp.fill(Qt::transparent);
    QPainter p(&stamp);
    p.setFont(fonts_.font(font));
    p.setPen(color);
    p.drawText(QRect(QPoint(0, 0), r.size()), flags, text);
    // The pixel font's bold is struck twice, one pixel apart, on letters one pixel wider apart.
    if (font.bold && fonts_.isPixelFont(font))
        p.drawText(QRect(QPoint(1, 0), r.size()), flags, text);
    p.end();
    paintImage(painter, stamp, r.topLeft());
}

const QImage& FormPainter::shapeImage(const tk::Shape& shape, QSize size) {
    const auto key = std::make_tuple(size.width(), size.height(), shape.filled, shape.FillColor,
                                     shape.BorderColor, shape.kind == tk::Shape::Kind::Circle);
    auto found = shapes_.find(key);
    if (found != shapes_.end())
        return found->second;
    // The circle is drawn once at one pixel per window pixel and scaled like a picture, so the
    // ball keeps its pixel shape on any screen.
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const int d = std::min(size.width(), size.height());
    const QRect circle((size.width() - d) / 2, (size.height() - d) / 2, d - 1, d - 1);
    p.setPen(QPen(toQColor(shape.BorderColor), 1));
    if (shape.filled)
        p.setBrush(toQColor(shape.FillColor));
    p.drawEllipse(circle);
    p.end();
    return shapes_.emplace(key, std::move(image)).first->second;
}

void FormPainter::paintShape(QPainter& painter, const tk::Shape& shape, QPoint origin) {
    const QRect r = controlRect(shape).translated(origin);
    if (r.isEmpty())
        return;
    if (shape.kind == tk::Shape::Kind::Circle) {
        paintImage(painter, shapeImage(shape, r.size()), r.topLeft());
        return;
    }
    if (shape.filled)
        painter.fillRect(r, toQColor(shape.FillColor));
    drawFrame(painter, r, toQColor(shape.BorderColor));
}

const tk::Control* FormPainter::controlAt(const FormScene& scene, QPoint point) {
    return hit(scene, scene.controls, point);
}

const tk::Control* FormPainter::hit(const FormScene& scene,
                                    const std::vector<tk::ControlRef>& controls, QPoint point) {
    // Picture boxes lie on top, the earliest-listed topmost; a click inside one goes to its
    // own controls first.
    for (const tk::ControlRef& ref : controls) {
        const tk::PictureBox* box = ref.pictureBox();
        if (!box || !box->Visible || !controlRect(*box).contains(point))
            continue;
        const QRect inner = clientRect(*box);
        if (scene.childrenOf && inner.contains(point)) {
            if (const tk::Control* child =
                    hit(scene, scene.childrenOf(*box), point - inner.topLeft()))
                return child;
        }
        return box;
    }
    for (const tk::ControlRef& ref : controls) {
        if (isPictureBox(ref) || !ref.control() || !ref.control()->Visible)
            continue;
        QRect r = controlRect(*ref.control());
        if (const tk::Label* label = ref.label())
            r = labelRect(*label);
        else if (const tk::ImageControl* image = ref.imageControl())
            r = QRect(r.topLeft(), image->picture.empty() ? r.size()
                                                          : QSize(image->picture.widthPx(),
                                                                  image->picture.heightPx()));
        if (r.contains(point))
            return ref.control();
    }
    return nullptr;
}

}  // namespace tkqt
