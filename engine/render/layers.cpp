// A scene read into the layers it paints, in the order the renderer paints them: the window's
// back colour and picture, its drawing, then in each container its labels, shapes, lines and
// images from the last-listed up, then its picture boxes the same way, each box followed by its
// own drawing and controls cut off at its client area.
#include <algorithm>
#include <cstdlib>

#include "engine/render/renderer.h"

namespace tk {

namespace {

Layer lineLayer(const void* owner, int index, int x1, int y1, int x2, int y2, Color color,
                const Rect& clip) {
    Layer layer{owner, index, {}, clip, {}};
    Look& look = layer.look;
    look.kind = Look::Kind::Line;
    look.place = {std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1};
    look.x1 = x1, look.y1 = y1, look.x2 = x2, look.y2 = y2;
    look.fore = color;
    layer.box = look.place.intersected(clip);
    return layer;
}

// The lines drawn on a surface whose top-left corner lies at (ox, oy).
void addLines(const Surface& surface, const void* owner, int ox, int oy, const Rect& clip,
              std::vector<Layer>& layers) {
    int index = 0;
    for (const DrawnLine& line : surface.drawing)
        layers.push_back(lineLayer(owner, index++, ox + pixels(line.x1), oy + pixels(line.y1),
                                   ox + pixels(line.x2), oy + pixels(line.y2), line.color, clip));
}

}  // namespace

void Renderer::layersOf(const Scene& scene, const Rect& client, std::vector<Layer>& layers) const {
    layers.clear();
    Layer& window = layers.emplace_back();
    window.look.place = window.clip = window.box = client;
    window.look.back = scene.backColor;
    window.look.picture = scene.picture;
    if (scene.drawing)
        addLines(*scene.drawing, scene.drawing, client.x, client.y, client, layers);
    addContainer(scene, scene.controls, client.x, client.y, client, layers);
}

void Renderer::addContainer(const Scene& scene, const std::vector<ControlRef>& controls, int ox,
                            int oy, const Rect& clip, std::vector<Layer>& layers) const {
    // Labels, shapes, lines and images lie on the container's surface, under its picture boxes;
    // within each layer an earlier-listed control covers a later one, so they go from the end.
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        const ControlRef& ref = *it;
        if (ref.pictureBox())
            continue;
        if (const LineControl* line = ref.lineControl()) {
            layers.push_back(lineLayer(line, -1, ox + pixels(line->X1), oy + pixels(line->Y1),
                                       ox + pixels(line->X2), oy + pixels(line->Y2),
                                       line->BorderColor, clip));
            continue;
        }
        const Control* control = ref.control();
        if (!control->Visible)
            continue;
        Layer& layer = layers.emplace_back();
        layer.owner = control;
        layer.clip = clip;
        Look& look = layer.look;
        look.place = controlRect(*control).translated(ox, oy);
        if (const Label* label = ref.label()) {
            look.kind = Look::Kind::Label;
            look.place = labelRect(*label).translated(ox, oy);
            look.filled = !label->transparent;
            look.back = look.filled ? label->BackColor : 0;
            look.fore = label->ForeColor;
            look.alignment = label->alignment;
            look.wrap = !label->AutoSize;
            look.face = faces_.faceFor(label->font);
            if (!label->Caption.empty())
                look.text = tr(label->Caption);
        } else if (const Shape* shape = ref.shape()) {
            look.kind = Look::Kind::Shape;
            look.circle = shape->kind == Shape::Kind::Circle;
            look.filled = shape->filled;
            look.back = shape->filled ? shape->FillColor : 0;
            look.fore = shape->BorderColor;
        } else if (const ImageControl* image = ref.imageControl()) {
            look.kind = Look::Kind::Image;
            look.picture = image->picture;
            look.place.width = image->picture.widthPx();
            look.place.height = image->picture.heightPx();
        } else if (const TextBox* text = ref.textBox()) {
            look.kind = Look::Kind::TextBox;
            look.face = faces_.faceFor(Font{});
            look.text = text->Text;
        }
        layer.box = look.place.intersected(clip);
    }
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        const PictureBox* box = it->pictureBox();
        if (box && box->Visible)
            addPictureBox(scene, *box, ox, oy, clip, layers);
    }
}

void Renderer::addPictureBox(const Scene& scene, const PictureBox& box, int ox, int oy,
                             const Rect& clip, std::vector<Layer>& layers) const {
    Layer& layer = layers.emplace_back();
    layer.owner = &box;
    layer.clip = clip;
    Look& look = layer.look;
    look.kind = Look::Kind::PictureBox;
    look.place = controlRect(box).translated(ox, oy);
    look.border = box.borderPx;
    look.back = box.BackColor;
    look.picture = box.picture();
    layer.box = look.place.intersected(clip);
    // What lies inside shows only through the client area.
    const Rect inner = clientRect(box).translated(ox, oy);
    const Rect innerClip = inner.intersected(clip);
    if (innerClip.empty())
        return;
    addLines(box, &box, inner.x, inner.y, innerClip, layers);
    if (scene.childrenOf) {
        const std::vector<ControlRef> children = scene.childrenOf(box);
        if (!children.empty())
            addContainer(scene, children, inner.x, inner.y, innerClip, layers);
    }
}

}  // namespace tk
