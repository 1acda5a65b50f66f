#include "toolkit/qt/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

#include <cmath>

namespace tkqt {

namespace {
constexpr const char* kLookAlikePath = "/usr/share/wine/fonts/ms_sans_serif.ttf";
constexpr const char* kFallbackFamily = "DejaVu Sans";

// addApplicationFont is per process; remember the answer.
QString registeredLookAlike() {
    static const QString family = [] {
        if (!QFile::exists(kLookAlikePath))
            return QString();
        const int id = QFontDatabase::addApplicationFont(kLookAlikePath);
        if (id < 0)
            return QString();
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QString() : families.front();
    }();
    return family;
}
}  // namespace

int pixelSizeOf(float points) {
    return static_cast<int>(std::lround(points * 96.0f / 72.0f));
}

FontBook::FontBook() = default;

// The look-alike is registered when a text is first measured or drawn, after the window is on
// the screen: reading the font is no part of opening the window.
void FontBook::find() const {
    if (found_)
        return;
    found_ = true;
    family_ = registeredLookAlike();
    lookAlike_ = !family_.isEmpty();
    if (!lookAlike_)
        family_ = kFallbackFamily;
}

const QString& FontBook::family() const {
    find();
    return family_;
}

bool FontBook::hasLookAlike() const {
    find();
    return lookAlike_;
}

bool FontBook::isPixelFont(const tk::Font& font) const {
    find();
    return lookAlike_ && !font.italic && pixelSizeOf(font.sizePt) <= kPixelFontLargestSize;
}

QFont FontBook::font(const tk::Font& font) const {
    const bool pixel = isPixelFont(font);  // finds the family too
    QFont f(pixel ? family_ : QString(kFallbackFamily));
    f.setPixelSize(pixelSizeOf(font.sizePt));
    f.setBold(font.bold && !pixel);
    // The bitmap fonts of old were made bold by striking each letter twice, one pixel apart, and
    // every letter's advance grew by that pixel; without it narrow letters run together.
    if (pixel && font.bold)
        f.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    f.setItalic(font.italic);
    f.setStyleStrategy(QFont::NoSubpixelAntialias);
    return f;
}

}  // namespace tkqt
