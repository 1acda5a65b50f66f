#include "engine/core/glyphs.h"

#include <algorithm>
#include <cmath>

#include "engine/core/controls.h"

namespace tk {

const Glyph* GlyphFace::find(char32_t code, int step) const {
    const auto key = [](const Glyph& g) { return std::pair(g.code, static_cast<int>(g.step)); };
    const auto wanted = std::pair(code, step);
    const auto found = std::lower_bound(glyphs.begin(), glyphs.end(), wanted,
                                        [&](const Glyph& g, auto w) { return key(g) < w; });
    return found != glyphs.end() && key(*found) == wanted ? &*found : nullptr;
}

const GlyphFace* GlyphFaces::faceFor(const Font& font) const {
    const GlyphFace* best = nullptr;
    auto score = [&](const GlyphFace& face) {
        const bool sameStyle = face.bold == font.bold && face.italic == font.italic;
        return std::pair(!sameStyle, std::fabs(face.sizePt - font.sizePt));
    };
    for (const GlyphFace& face : faces_)
        if (!best || score(face) < score(*best))
            best = &face;
    return best;
}

}  // namespace tk
