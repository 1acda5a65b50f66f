// A frame painted again only where its layers changed since the last time.
#include "engine/render/repainter.h"

#include <algorithm>

namespace tk {

namespace {

Rect bounding(const Rect& a, const Rect& b) {
    const int l = std::min(a.x, b.x), t = std::min(a.y, b.y);
    return {l, t, std::max(a.right(), b.right()) - l, std::max(a.bottom(), b.bottom()) - t};
}

void addArea(std::vector<Rect>& areas, Rect area) {
    if (area.empty())
        return;
    // Taking in one area can make the grown one reach another: look again from the start.
    for (std::size_t i = 0; i < areas.size();) {
        if (areas[i].intersected(area).empty()) {
            ++i;
            continue;
        }
        area = bounding(areas[i], area);
        areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(i));
        i = 0;
    }
    areas.push_back(area);
}

// Whether a layer of the same owner as `layer` lies at `from` or after in `layers`.
bool comesLater(const std::vector<Layer>& layers, std::size_t from, const Layer& layer) {
    return std::any_of(layers.begin() + static_cast<std::ptrdiff_t>(from), layers.end(),
                       [&](const Layer& other) { return other.sameOwner(layer); });
}

}  // namespace

void addChangedAreas(const std::vector<Layer>& before, const std::vector<Layer>& after,
                     std::vector<Rect>& areas) {
    // A pixel outside every area is covered, in both lists, by the same unchanged layers in the
    // same order, so it is painted the same.
    std::size_t i = 0, j = 0;
    while (i < before.size() && j < after.size()) {
        const Layer& old = before[i];
        const Layer& now = after[j];
        if (old.sameOwner(now)) {
            if (!(old == now)) {
                addArea(areas, old.box);
                addArea(areas, now.box);
            }
            ++i, ++j;
        } else if (comesLater(after, j + 1, old)) {
            addArea(areas, now.box);  // come
            ++j;
        } else {
            addArea(areas, old.box);  // gone
            ++i;
        }
    }
    for (; i < before.size(); ++i)
        addArea(areas, before[i].box);
    for (; j < after.size(); ++j)
        addArea(areas, after[j].box);
}

std::span<const Rect> Repainter::repaint(const Renderer& renderer, const Scene& scene, int width,
                                         int height) {
    const Rect client{0, 0, width, height};
    renderer.layersOf(scene, client, next_);
    changed_.clear();
    if (!painted_ || frame_.width != width || frame_.height != height) {
        frame_ = Frame(width, height);
        painted_ = true;
        if (!client.empty())
            changed_.push_back(client);
    } else {
        addChangedAreas(shown_, next_, changed_);
    }
    for (const Rect& area : changed_) {
        for (const Layer& layer : next_) {
            if (!layer.box.intersected(area).empty())
                renderer.paint(frame_, layer, area);
        }
    }
    std::swap(shown_, next_);
    return changed_;
}

Rect Repainter::changedBounds() const {
    Rect all;
    for (const Rect& area : changed_)
        all = all.empty() ? area : bounding(all, area);
    return all;
}

}  // namespace tk
