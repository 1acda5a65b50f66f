// The faces the glyph baker writes (embedded_glyphs.cpp in the build tree).
#pragma once

#include <cstddef>
#include <span>

#include "engine/core/glyphs.h"

namespace assets {

namespace embedded {
extern const tk::GlyphFace kGlyphFaces[];
extern const std::size_t kGlyphFaceCount;
}  // namespace embedded

// Every face the windows show, baked from the fonts at build time.
inline std::span<const tk::GlyphFace> glyphFaces() {
    return {embedded::kGlyphFaces, embedded::kGlyphFaceCount};
}

}  // namespace assets
