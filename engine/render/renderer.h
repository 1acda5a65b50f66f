// Draws a window's controls into a frame, the way the game lays them out: the window's back
// colour, picture and drawing, then its labels, shapes, lines and images, then its picture boxes;
// an earlier-listed control lies above a later one, and every child is cut off at its
// container's client area. Labels show their captions in the language shown (tk::tr). One frame
// pixel is one window pixel; front ends scale it without smoothing.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "engine/core/controls.h"
#include "engine/core/glyphs.h"
#include "engine/core/translation.h"
#include "engine/render/frame.h"
#include "engine/render/layers.h"

namespace tk {

// A window as the renderer sees it: its own surface and its controls in the window's order.
struct Scene {
    Color backColor = kWhite;
    Picture picture;                   // painted from the client area's top-left corner
    const Surface* drawing = nullptr;  // lines drawn on the window itself
    std::vector<ControlRef> controls;
    // The controls inside a picture box (the court's players, the splash's label); none if unset.
    std::function<std::vector<ControlRef>(const PictureBox&)> childrenOf;
};

class Renderer {
  public:
    explicit Renderer(GlyphFaces faces) : faces_(faces) {}

    // Draws the whole client area; the frame keeps its size.
    void render(const Scene& scene, Frame& frame) const;
    Frame render(const Scene& scene, int width, int height) const;

    // What the scene paints into a client area of this size, bottom to top (replacing `layers`'
    // contents), and one layer painted into the part of a frame `within` says.
    void layersOf(const Scene& scene, const Rect& client, std::vector<Layer>& layers) const;
    void paint(Frame& frame, const Layer& layer, const Rect& within) const;

    // The control a click at this pixel of the client area lands on: the topmost visible one,
    // inner controls before their container. Null for the window's bare background (and lines
    // and shapes, which take no clicks).
    const Control* controlAt(const Scene& scene, int x, int y) const;

    // Where a label's text sits in its container. A self-sizing label takes the size of its
    // text in the language shown: a left-aligned one keeps its left edge, a right-aligned one
    // its right edge and a centred one its middle, all as laid out for its first caption.
    Rect labelRect(const Label& label) const;

    const GlyphFaces& faces() const { return faces_; }

  private:
    void addContainer(const Scene& scene, const std::vector<ControlRef>& controls, int ox, int oy,
                      const Rect& clip, std::vector<Layer>& layers) const;
    void addPictureBox(const Scene& scene, const PictureBox& box, int ox, int oy, const Rect& clip,
                       std::vector<Layer>& layers) const;
    void drawText(Frame& frame, const Rect& box, Alignment alignment, bool wrap,
                  std::string_view text, const GlyphFace* face, Color color,
                  const Rect& clip) const;
    const Control* hit(const Scene& scene, const std::vector<ControlRef>& controls, int x,
                       int y) const;
    void drawPicture(Frame& frame, const Picture& picture, int x, int y, const Rect& clip) const;

    struct ConvertedPicture {
        Picture keepAlive;  // the image's address stays its own while it is here
        std::vector<Pixel> pixels;
    };

    GlyphFaces faces_;
    mutable std::map<const Image*, ConvertedPicture> pictures_;
};

}  // namespace tk
