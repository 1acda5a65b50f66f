#include "toolkit/render/renderer.h"

#include <cmath>
#include <cstdlib>

#include "toolkit/render/text.h"

namespace tk {

int pixels(float twips) {
    return static_cast<int>(std::floor(static_cast<double>(twips) / kTwipsPerPixel + 0.5));
}

Rect controlRect(const Control& control) {
    return {pixels(control.Left), pixels(control.Top), pixels(control.Width),
            pixels(control.Height)};
}

Rect clientRect(const PictureBox& box) {
    const int b = box.borderPx;
    return controlRect(box).adjusted(b, b, -b, -b);
}

void fillRect(Frame& frame, const Rect& r, Color color, const Rect& clip) {
    const Rect area = r.intersected(clip).intersected(frame.bounds());
    const Pixel p = pixelOf(color);
    for (int y = area.y; y < area.bottom(); ++y)
        std::fill_n(&frame.at(area.x, y), area.width, p);
}

void drawSegment(Frame& frame, int x1, int y1, int x2, int y2, Color color, const Rect& clip) {
    if (x1 == x2 || y1 == y2) {
        fillRect(frame,
                 {std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1},
                 color, clip);
        return;
    }
    // A stepped line, both ends set.
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    for (int err = dx + dy;;) {
        fillRect(frame, {x1, y1, 1, 1}, color, clip);
        if (x1 == x2 && y1 == y2)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}

void drawImage(Frame& frame, const Image* image, int x, int y, const Rect& clip) {
    if (!image || !image->rgba)
        return;
    const Rect area =
        Rect{x, y, image->widthPx, image->heightPx}.intersected(clip).intersected(frame.bounds());
    for (int row = area.y; row < area.bottom(); ++row) {
        const std::uint8_t* src =
            image->rgba + (static_cast<std::size_t>(row - y) * image->widthPx + (area.x - x)) * 4;
        Pixel* dst = &frame.at(area.x, row);
        for (int i = 0; i < area.width; ++i, src += 4)
            dst[i] = 0xFF000000u | static_cast<Pixel>(src[0]) << 16 |
                     static_cast<Pixel>(src[1]) << 8 | src[2];
    }
}

namespace {

void drawFrameLines(Frame& frame, const Rect& r, Color color, const Rect& clip) {
    fillRect(frame, {r.x, r.y, r.width, 1}, color, clip);
    fillRect(frame, {r.x, r.bottom() - 1, r.width, 1}, color, clip);
    fillRect(frame, {r.x, r.y, 1, r.height}, color, clip);
    fillRect(frame, {r.right() - 1, r.y, 1, r.height}, color, clip);
}

// A sunken two-pixel border, as the hidden frame holders and the text box have.
void drawSunkenBorder(Frame& frame, const Rect& r, const Rect& clip) {
    const Color shadow = RGB(128, 128, 128), dark = RGB(64, 64, 64), light = kWhite,
                face = RGB(212, 208, 200);
    fillRect(frame, {r.x, r.y, r.width, 1}, shadow, clip);
    fillRect(frame, {r.x, r.y, 1, r.height}, shadow, clip);
    fillRect(frame, {r.x, r.bottom() - 1, r.width, 1}, light, clip);
    fillRect(frame, {r.right() - 1, r.y, 1, r.height}, light, clip);
    const Rect in = r.adjusted(1, 1, -1, -1);
    fillRect(frame, {in.x, in.y, in.width, 1}, dark, clip);
    fillRect(frame, {in.x, in.y, 1, in.height}, dark, clip);
    fillRect(frame, {in.x, in.bottom() - 1, in.width, 1}, face, clip);
    fillRect(frame, {in.right() - 1, in.y, 1, in.height}, face, clip);
}

// A circle as wide as the box's shorter side, centred in it: every pixel whose centre lies
// within the radius (and a little), outlined where it meets the outside.
void drawCircle(Frame& frame, const Shape& shape, const Rect& r, const Rect& clip) {
    const int d = std::min(r.width, r.height);
    const int x0 = r.x + (r.width - d) / 2, y0 = r.y + (r.height - d) / 2;
    const double c = (d - 1) / 2.0, limit = c * c + 1;
    auto inside = [&](int i, int j) {
        return i >= 0 && j >= 0 && i < d && j < d && (i - c) * (i - c) + (j - c) * (j - c) <= limit;
    };
    for (int j = 0; j < d; ++j)
        for (int i = 0; i < d; ++i) {
            if (!inside(i, j))
                continue;
            const bool edge =
                !inside(i - 1, j) || !inside(i + 1, j) || !inside(i, j - 1) || !inside(i, j + 1);
            if (edge)
                fillRect(frame, {x0 + i, y0 + j, 1, 1}, shape.BorderColor, clip);
            else if (shape.filled)
                fillRect(frame, {x0 + i, y0 + j, 1, 1}, shape.FillColor, clip);
        }
}

void drawShape(Frame& frame, const Shape& shape, const Rect& r, const Rect& clip) {
    if (r.empty())
        return;
    if (shape.kind == Shape::Kind::Circle)
        return drawCircle(frame, shape, r, clip);
    if (shape.filled)
        fillRect(frame, r, shape.FillColor, clip);
    drawFrameLines(frame, r, shape.BorderColor, clip);
}

void drawSurface(Frame& frame, const Surface& surface, int ox, int oy, const Rect& clip) {
    for (const DrawnLine& line : surface.drawing)
        drawSegment(frame, ox + pixels(line.x1), oy + pixels(line.y1), ox + pixels(line.x2),
                    oy + pixels(line.y2), line.color, clip);
}

}  // namespace

Frame Renderer::render(const Scene& scene, int width, int height) const {
    Frame frame(width, height);
    render(scene, frame);
    return frame;
}

void Renderer::render(const Scene& scene, Frame& frame) const {
    const Rect client = frame.bounds();
    fillRect(frame, client, scene.backColor, client);
    drawImage(frame, scene.picture.image(), 0, 0, client);
    if (scene.drawing)
        drawSurface(frame, *scene.drawing, 0, 0, client);
    drawContainer(frame, scene, scene.controls, 0, 0, client);
}

void Renderer::drawContainer(Frame& frame, const Scene& scene,
                             const std::vector<ControlRef>& controls, int ox, int oy,
                             const Rect& clip) const {
    // Labels, shapes, lines and images lie on the container's surface, under its picture boxes;
    // within each layer an earlier-listed control covers a later one, so draw from the end.
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        const ControlRef& ref = *it;
        if (ref.pictureBox())
            continue;
        if (const LineControl* line = ref.lineControl()) {
            drawSegment(frame, ox + pixels(line->X1), oy + pixels(line->Y1), ox + pixels(line->X2),
                        oy + pixels(line->Y2), line->BorderColor, clip);
            continue;
        }
        if (!ref.control()->Visible)
            continue;
        if (const Label* label = ref.label()) {
            drawLabel(frame, *label, ox, oy, clip);
        } else if (const Shape* shape = ref.shape()) {
            drawShape(frame, *shape, controlRect(*shape).translated(ox, oy), clip);
        } else if (const ImageControl* image = ref.imageControl()) {
            const Rect r = controlRect(*image).translated(ox, oy);
            drawImage(frame, image->picture.image(), r.x, r.y, clip);
        } else if (const TextBox* text = ref.textBox()) {
            const Rect r = controlRect(*text).translated(ox, oy);
            fillRect(frame, r, kWhite, clip);
            drawSunkenBorder(frame, r, clip);
            drawText(frame, r.adjusted(3, 2, -3, -2), Alignment::Left, false, text->Text, Font{},
                     kBlack, clip);
        }
    }
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        const PictureBox* box = it->pictureBox();
        if (box && box->Visible)
            drawPictureBox(frame, scene, *box, ox, oy, clip);
    }
}

void Renderer::drawPictureBox(Frame& frame, const Scene& scene, const PictureBox& box, int ox,
                              int oy, const Rect& clip) const {
    const Rect outer = controlRect(box).translated(ox, oy);
    const Rect inner = clientRect(box).translated(ox, oy);
    const Rect outerClip = outer.intersected(clip);
    if (box.borderPx == 1)
        drawFrameLines(frame, outer, kBlack, outerClip);
    else if (box.borderPx >= 2)
        drawSunkenBorder(frame, outer, outerClip);
    const Rect innerClip = inner.intersected(clip);
    if (innerClip.empty())
        return;
    fillRect(frame, inner, box.BackColor, innerClip);
    drawImage(frame, box.picture().image(), inner.x, inner.y, innerClip);
    drawSurface(frame, box, inner.x, inner.y, innerClip);
    if (scene.childrenOf) {
        const std::vector<ControlRef> children = scene.childrenOf(box);
        if (!children.empty())
            drawContainer(frame, scene, children, inner.x, inner.y, innerClip);
    }
}

Rect Renderer::labelRect(const Label& label) const {
    const Rect box = controlRect(label);
    if (!label.AutoSize)
        return box;
    const GlyphFace* face = faces_.faceFor(label.font);
    if (!face)
        return box;
    const Typesetter text(*face);
    const int width = text.width(lettersOf(label.Caption));
    const int height = face->height();
    switch (label.alignment) {
        case Alignment::Left:
            return {box.x, box.y, width, height};
        case Alignment::Right:
            return {pixels(label.Left + label.Width) - width, box.y, width, height};
        case Alignment::Center: {
            const double middle =
                (static_cast<double>(label.Left) + label.Width / 2.0) / kTwipsPerPixel;
            return {static_cast<int>(std::floor(middle - width / 2.0 + 0.5)), box.y, width, height};
        }
    }
    return box;
}

void Renderer::drawLabel(Frame& frame, const Label& label, int ox, int oy, const Rect& clip) const {
    const Rect r = labelRect(label).translated(ox, oy);
    if (!label.transparent)
        fillRect(frame, r, label.BackColor, clip);
    if (!label.Caption.empty())
        drawText(frame, r, label.alignment, !label.AutoSize, label.Caption, label.font,
                 label.ForeColor, clip);
}

// A text from the top of its box, each line placed as the alignment says; nothing of it shows
// outside the box.
void Renderer::drawText(Frame& frame, const Rect& box, Alignment alignment, bool wrap,
                        const std::string& text, const Font& font, Color color,
                        const Rect& clip) const {
    const GlyphFace* face = faces_.faceFor(font);
    if (!face || box.empty())
        return;
    const Typesetter setter(*face);
    const std::u32string letters = lettersOf(text);
    const std::vector<std::u32string> lines =
        wrap ? setter.wrap(letters, box.width) : std::vector<std::u32string>{letters};
    const Rect area = box.intersected(clip);
    int top = box.y;
    for (const std::u32string& line : lines) {
        const long room = static_cast<long>(box.width) * 64 - setter.width64(line);
        const long shift = alignment == Alignment::Left    ? 0
                           : alignment == Alignment::Right ? room
                                                           : room / 2;
        setter.drawLine(frame, line, static_cast<long>(box.x) * 64 + shift, top, color, area);
        top += setter.linePitch();
    }
}

const Control* Renderer::controlAt(const Scene& scene, int x, int y) const {
    return hit(scene, scene.controls, x, y);
}

const Control* Renderer::hit(const Scene& scene, const std::vector<ControlRef>& controls, int x,
                             int y) const {
    // Picture boxes lie on top, the earliest-listed topmost; a click inside one goes to its
    // own controls first.
    for (const ControlRef& ref : controls) {
        const PictureBox* box = ref.pictureBox();
        if (!box || !box->Visible || !controlRect(*box).contains(x, y))
            continue;
        const Rect inner = clientRect(*box);
        if (scene.childrenOf && inner.contains(x, y)) {
            if (const Control* child = hit(scene, scene.childrenOf(*box), x - inner.x, y - inner.y))
                return child;
        }
        return box;
    }
    // Shapes, like lines, take no clicks: a click on one lands on what lies under it.
    for (const ControlRef& ref : controls) {
        if (ref.pictureBox() || ref.shape() || !ref.control() || !ref.control()->Visible)
            continue;
        Rect r = controlRect(*ref.control());
        if (const Label* label = ref.label())
            r = labelRect(*label);
        else if (const ImageControl* image = ref.imageControl(); image && !image->picture.empty())
            r = {r.x, r.y, image->picture.widthPx(), image->picture.heightPx()};
        if (r.contains(x, y))
            return ref.control();
    }
    return nullptr;
}

}  // namespace tk
