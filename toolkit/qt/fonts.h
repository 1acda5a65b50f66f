// The fonts of the game's labels. The windows ask for "MS Sans Serif"; the free look-alike that
// Wine ships is used when it is installed, else DejaVu Sans. The look-alike is a bitmap font with
// one 13-pixel size that Qt can use: it serves the small texts (bold made by striking each letter
// twice, one pixel apart, each letter one pixel wider, as the old bitmap fonts were emboldened),
// and DejaVu Sans the large and italic ones.
#pragma once

#include <QFont>
#include <QString>

#include "toolkit/core/controls.h"

namespace tkqt {

class FontBook {
  public:
    // Registers the look-alike once per process, at first use (needs a QGuiApplication).
    FontBook();

    // The family that stands in for "MS Sans Serif".
    const QString& family() const;
    bool hasLookAlike() const;

    // A label's font at the screen's 96 pixels to the inch, sized in pixels so that the layout
    // does not depend on the display's own resolution setting. For a pixel font the weight is
    // always regular: its bold is struck, not drawn by the font, and one pixel wider a letter.
    QFont font(const tk::Font& font) const;

    // True when the text is drawn with the bitmap look-alike: it must then be drawn one pixel to
    // a window pixel and scaled like a picture, since the font has no larger sizes.
    bool isPixelFont(const tk::Font& font) const;

  private:
    void find() const;

    mutable bool found_ = false;
    mutable QString family_;  // the look-alike, or the fallback when it is missing
    mutable bool lookAlike_ = false;
};

// Points to pixels at 96 dpi: 8.25 pt is 11 px, 24 pt is 32 px.
int pixelSizeOf(float points);

// The look-alike's one size: 8 and 8.25 pt texts, 13 pixels from top to bottom.
constexpr int kPixelFontLargestSize = 11;

}  // namespace tkqt
