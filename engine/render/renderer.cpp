#include "engine/render/renderer.h"

#include <cmath>
#include <cstdlib>

#include "engine/render/primitives.h"
#include "engine/render/text.h"

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

namespace {

void drawSurface(Frame& frame, const Surface& surface, int ox, int oy, const Rect& clip) {
    for (const DrawnLine& line : surface.drawing)
        drawSegment(frame, ox + pixels(line.x1), oy + pixels(line.y1), ox + pixels(line.x2),
                    oy + pixels(line.y2), line.color, clip);
}

}  // namespace

void Renderer::drawPicture(Frame& frame, const Picture& picture, int x, int y,
                           const Rect& clip) const {
    const Image* image = picture.image();
    if (!image)
        return;
    // Each picture is turned into the frame's pixels once, and copied row by row after that.
    auto found = pictures_.find(image);
    if (found == pictures_.end())
        found = pictures_.emplace(image, ConvertedPicture{picture, pixelsOf(*image)}).first;
    drawPixels(frame, found->second.pixels, image->widthPx, x, y, clip);
}

Frame Renderer::render(const Scene& scene, int width, int height) const {
    Frame frame(width, height);
    render(scene, frame);
    return frame;
}

void Renderer::render(const Scene& scene, Frame& frame) const {
    const Rect client = frame.bounds();
    fillRect(frame, client, scene.backColor, client);
    drawPicture(frame, scene.picture, 0, 0, client);
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
            drawPicture(frame, image->picture, r.x, r.y, clip);
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
    drawPicture(frame, box.picture(), inner.x, inner.y, innerClip);
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
    const int width = text.width(lettersOf(tr(label.Caption)));
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
        drawText(frame, r, label.alignment, !label.AutoSize, tr(label.Caption), label.font,
                 label.ForeColor, clip);
}

// A text from the top of its box, each line placed as the alignment says; nothing of it shows
// outside the box.
void Renderer::drawText(Frame& frame, const Rect& box, Alignment alignment, bool wrap,
                        std::string_view text, const Font& font, Color color,
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
