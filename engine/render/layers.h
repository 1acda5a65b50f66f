// A window's scene as the list of what it paints, bottom to top: the window's own surface, each
// line it carries, each control that shows, each with everything its pixels depend on read off it
// once. The renderer paints from this list alone, so two frames' lists, compared, tell every place
// a pixel may have changed.
#pragma once

#include <cstdint>
#include <string>

#include "engine/core/controls.h"
#include "engine/core/glyphs.h"
#include "engine/render/frame.h"

namespace tk {

// Everything one layer puts into a frame; equal looks with equal boxes paint the same pixels.
struct Look {
    enum class Kind : std::uint8_t { Window, PictureBox, Line, Label, Shape, Image, TextBox };
    Kind kind = Kind::Window;
    // Where it lies in the frame, uncut: the client area, a control's box, a label's text, an
    // image's picture, the box of a line's two ends.
    Rect place;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a line's ends
    Color back = 0;  // the fill: the window's or a box's back colour, an opaque label's, a shape's
    Color fore = 0;  // the ink: a line's, a label's text, a shape's outline
    int border = 0;  // a picture box's border, in pixels
    Alignment alignment = Alignment::Left;
    bool filled = false;  // an opaque label, a filled shape
    bool circle = false;
    bool wrap = false;  // a label's text broken into lines at its box's width
    Picture picture;    // by identity, as the game swaps its frames
    const GlyphFace* face = nullptr;
    std::string text;  // as shown: a caption in the language shown
    friend bool operator==(const Look&, const Look&) = default;
};

struct Layer {
    const void* owner = nullptr;  // the control or surface it comes from; null for the window
    int line = -1;                // which line of the owner's surface, or -1 for the owner itself
    Look look;
    Rect clip;  // the client area of its container in the frame, cut at the container's own clip
    Rect box;   // every pixel it may touch: its place cut at the clip

    bool sameOwner(const Layer& other) const { return owner == other.owner && line == other.line; }
    friend bool operator==(const Layer&, const Layer&) = default;
};

}  // namespace tk
