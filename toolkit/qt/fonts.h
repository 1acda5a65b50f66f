// The fonts of the game's labels. The windows ask for "MS Sans Serif"; the free look-alike that
// Wine ships is used when it is installed, else DejaVu Sans.
#pragma once

#include <QFont>
#include <QString>

#include "toolkit/core/controls.h"

namespace tkqt {

class FontBook {
  public:
    // Registers the look-alike once per process (needs a QGuiApplication).
    FontBook();

    // The family that stands in for "MS Sans Serif".
    const QString& family() const { return family_; }
    bool hasLookAlike() const { return lookAlike_; }

    // A label's font at the screen's 96 pixels to the inch, sized in pixels so that the layout
    // does not depend on the display's own resolution setting.
    QFont font(const tk::Font& font) const;

  private:
    QString family_;
    bool lookAlike_ = false;
};

// Points to pixels at 96 dpi: 8.25 pt is 11 px, 24 pt is 32 px.
int pixelSizeOf(float points);

}  // namespace tkqt
