// Each layer painted into a frame, cut off at its clip and the part asked for, and what a click
// lands on.
#include "engine/render/renderer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/render/primitives.h"
#include "engine/render/text.h"

namespace tk {

namespace {

// The nearest whole pixel. A script may put a control anywhere, even where the game's own
// arithmetic then runs to infinity: a place past any screen is drawn at a far edge that leaves
// room for the sums of a rectangle's sides, and one that is no number at all at 0.
int nearestPixel(double px) {
    constexpr double kFar = 1 << 28;
    if (std::isnan(px))
        return 0;
    return static_cast<int>(std::clamp(std::floor(px + 0.5), -kFar, kFar));
}

}  // namespace

int pixels(float twips) {
    return nearestPixel(static_cast<double>(twips) / kTwipsPerPixel);
}

Rect controlRect(const Control& control) {
    return {pixels(control.Left), pixels(control.Top), pixels(control.Width),
            pixels(control.Height)};
}

Rect clientRect(const PictureBox& box) {
    const int b = box.borderPx;
    return controlRect(box).adjusted(b, b, -b, -b);
}

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
    std::vector<Layer> layers;
    layersOf(scene, frame.bounds(), layers);
    for (const Layer& layer : layers)
        paint(frame, layer, frame.bounds());
}

void Renderer::paint(Frame& frame, const Layer& layer, const Rect& within) const {
    const Look& look = layer.look;
    const Rect clip = layer.clip.intersected(within);
    if (clip.empty())
        return;
    switch (look.kind) {
        case Look::Kind::Window:
            fillRect(frame, look.place, look.back, clip);
            return drawPicture(frame, look.picture, look.place.x, look.place.y, clip);
        case Look::Kind::PictureBox: {
            const Rect outerClip = look.place.intersected(clip);
            if (look.border == 1)
                drawFrameLines(frame, look.place, kBlack, outerClip);
            else if (look.border >= 2)
                drawSunkenBorder(frame, look.place, outerClip);
            const int b = look.border;
            const Rect inner = look.place.adjusted(b, b, -b, -b);
            const Rect innerClip = inner.intersected(clip);
            if (innerClip.empty())
                return;
            fillRect(frame, inner, look.back, innerClip);
            return drawPicture(frame, look.picture, inner.x, inner.y, innerClip);
        }
        case Look::Kind::Line:
            return drawSegment(frame, look.x1, look.y1, look.x2, look.y2, look.fore, clip);
        case Look::Kind::Label:
            if (look.filled)
                fillRect(frame, look.place, look.back, clip);
            if (!look.text.empty())
                drawText(frame, look.place, look.alignment, look.wrap, look.text, look.face,
                         look.fore, clip);
            return;
        case Look::Kind::Shape: {
            Shape shape;
            shape.kind = look.circle ? Shape::Kind::Circle : Shape::Kind::Rectangle;
            shape.filled = look.filled;
            shape.FillColor = look.back;
            shape.BorderColor = look.fore;
            return drawShape(frame, shape, look.place, clip);
        }
        case Look::Kind::Image:
            return drawPicture(frame, look.picture, look.place.x, look.place.y, clip);
        case Look::Kind::TextBox:
            fillRect(frame, look.place, kWhite, clip);
            drawSunkenBorder(frame, look.place, clip);
            return drawText(frame, look.place.adjusted(3, 2, -3, -2), Alignment::Left, false,
                            look.text, look.face, kBlack, clip);
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
            return {nearestPixel(middle - width / 2.0), box.y, width, height};
        }
    }
    return box;
}

// A text from the top of its box, each line placed as the alignment says; nothing of it shows
// outside the box.
void Renderer::drawText(Frame& frame, const Rect& box, Alignment alignment, bool wrap,
                        std::string_view text, const GlyphFace* face, Color color,
                        const Rect& clip) const {
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
