// One window's frame kept up to date: each repaint reads the scene into its layers, compares them
// with the layers it painted last time, and paints again only where a layer came, went or changed
// (its old place and its new one), with everything that lies there painted in order. The pixels
// are those a whole render gives, and the areas it paints are the areas that changed.
#pragma once

#include <span>
#include <vector>

#include "engine/render/renderer.h"

namespace tk {

class Repainter {
  public:
    // Brings the frame up to date with the scene at this size and returns where it changed:
    // rectangles inside the frame that do not overlap, the whole frame at the first repaint and
    // after a change of size, none when nothing changed. Valid until the next repaint.
    std::span<const Rect> repaint(const Renderer& renderer, const Scene& scene, int width,
                                  int height);

    const Frame& frame() const { return frame_; }
    bool painted() const { return painted_; }
    // The smallest rectangle holding every area the last repaint changed; empty when none.
    Rect changedBounds() const;

  private:
    Frame frame_;
    std::vector<Layer> shown_, next_;
    std::vector<Rect> changed_;
    bool painted_ = false;
};

// The areas that differ between two lists of layers: where a layer is in one list only, and the
// old and new box of a layer that changed. Layers are matched by their owner, in order, so a
// layer that moved past another in the order counts as gone and come. Each box is merged into
// the areas already found that it overlaps, so that none of them overlap.
void addChangedAreas(const std::vector<Layer>& before, const std::vector<Layer>& after,
                     std::vector<Rect>& areas);

}  // namespace tk
