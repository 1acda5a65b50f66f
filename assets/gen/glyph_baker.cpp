// smashbol-glyphgen OUTPUT.cpp PIXEL_FONT BOLD_FONT ITALIC_FONT
//
// Bakes every face the game's windows show into coverage bitmaps, once, at build time:
// - "MS Sans Serif" 8.25 pt, regular and bold, from the bitmap look-alike's 13-pixel strike. Its
//   bold is struck: each letter drawn twice, one pixel apart, and one pixel wider, as the bitmap
//   fonts of old were emboldened;
// - the large texts (12 and 24 pt bold, 17.25 pt italic) from DejaVu Sans, smoothed, lightly
//   hinted (up and down only), each letter baked at four positions between two pixels, since
//   smooth letters sit at fractions of a pixel.
// Every face carries plain ASCII and every letter of Czech. The small faces, which set the about
// and help windows' running text, carry a few more marks and letters such a text might want; the
// large ones set only short titles and messages, and each of their letters is baked four times.
// The output depends only on the font files: the same fonts give the same bytes.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

namespace {

// Plain ASCII and every letter of Czech, with the few marks running text might want.
std::vector<char32_t> characterSet(bool marks) {
    std::vector<char32_t> codes;
    for (char32_t c = 0x20; c < 0x7F; ++c)
        codes.push_back(c);
    const std::u32string czech = U"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
    codes.insert(codes.end(), czech.begin(), czech.end());
    const std::u32string extra = U"äöüÄÖÜ„“‚‘’–—…©°×";
    if (marks)
        codes.insert(codes.end(), extra.begin(), extra.end());
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return codes;
}

struct BakedGlyph {
    char32_t code;
    int step;
    int advance64;
    int left, top, width, height;
    std::vector<std::uint8_t> coverage;
};

struct FaceRecipe {
    const char* name;  // of the generated arrays
    float sizePt;
    bool bold, italic;
    int fontIndex;  // into the files on the command line
    int pixelSize;
    bool struck;  // bold made by striking twice
    int steps;
    bool marks;  // the marks and letters beyond ASCII and Czech
};

// Points to pixels at the 96 dots to the inch the layout assumes.
int pixelSizeOf(float points) {
    return static_cast<int>(std::lround(points * 96.0f / 72.0f));
}

const FaceRecipe kRecipes[] = {
    {"sans8", 8.25f, false, false, 0, 13, false, 1, true},
    {"sans8bold", 8.25f, true, false, 0, 13, true, 1, true},
    {"sans12bold", 12.0f, true, false, 1, pixelSizeOf(12.0f), false, 4, false},
    {"sans24bold", 24.0f, true, false, 1, pixelSizeOf(24.0f), false, 4, false},
    {"sans17italic", 17.25f, false, true, 2, pixelSizeOf(17.25f), false, 4, false},
};

void check(FT_Error error, const std::string& what) {
    if (error) {
        std::cerr << "smashbol-glyphgen: " << what << " (FreeType error " << error << ")\n";
        std::exit(1);
    }
}

// The letter from the look-alike's bitmap strike: one bit a pixel.
bool bakeBitmap(FT_Face face, char32_t code, bool struck, BakedGlyph& out) {
    const FT_UInt index = FT_Get_Char_Index(face, code);
    if (!index)
        return false;
    check(FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO), "loading a letter");
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    const int extra = struck ? 1 : 0;
    out.width = static_cast<int>(bitmap.width) + (bitmap.width ? extra : 0);
    out.height = static_cast<int>(bitmap.rows);
    out.left = face->glyph->bitmap_left;
    out.top = face->glyph->bitmap_top;
    out.advance64 = static_cast<int>((face->glyph->advance.x + 32) & ~63) + extra * 64;
    out.coverage.assign(static_cast<std::size_t>(out.width) * out.height, 0);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < static_cast<int>(bitmap.width); ++x) {
            const unsigned char* row = bitmap.buffer + y * bitmap.pitch;
            const bool on = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                ? (row[x / 8] >> (7 - x % 8)) & 1
                                : row[x] >= 128;
            if (!on)
                continue;
            for (int dx = 0; dx <= extra; ++dx)
                out.coverage[static_cast<std::size_t>(y) * out.width + x + dx] = 255;
        }
    return true;
}

// The letter from an outline, lightly hinted, moved `step / steps` of a pixel to the right.
bool bakeOutline(FT_Face face, char32_t code, int step, int steps, BakedGlyph& out) {
    const FT_UInt index = FT_Get_Char_Index(face, code);
    if (!index)
        return false;
    check(FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP),
          "loading a letter");
    // The advance the letter has in the font's design, cut to 1/64 pixel, as smooth text lays
    // letters out.
    out.advance64 = static_cast<int>(face->glyph->linearHoriAdvance >> 10);
    FT_Outline_Translate(&face->glyph->outline, 64 * step / steps, 0);
    check(FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL), "drawing a letter");
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    out.width = static_cast<int>(bitmap.width);
    out.height = static_cast<int>(bitmap.rows);
    out.left = face->glyph->bitmap_left;
    out.top = face->glyph->bitmap_top;
    out.coverage.resize(static_cast<std::size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y)
        std::copy_n(bitmap.buffer + y * bitmap.pitch, out.width,
                    out.coverage.begin() + static_cast<std::ptrdiff_t>(y) * out.width);
    return true;
}

struct Metrics {
    int ascent, descent, leading;
};

// The face's height as a text layout measures it: the horizontal header's ascender and
// descender for an outline font, the strike's own for a bitmap one.
Metrics metricsOf(FT_Face face) {
    const FT_Size_Metrics& m = face->size->metrics;
    if (!FT_IS_SCALABLE(face))
        return {static_cast<int>(m.ascender >> 6), static_cast<int>(-m.descender >> 6),
                static_cast<int>((m.height - m.ascender + m.descender) >> 6)};
    const double scale = static_cast<double>(m.y_ppem) / face->units_per_EM;
    const int ascent = static_cast<int>(std::lround(face->ascender * scale));
    const int descent = static_cast<int>(std::lround(-face->descender * scale));
    const int lineGap =
        static_cast<int>(std::lround((face->height - face->ascender + face->descender) * scale));
    return {ascent, descent, std::max(0, lineGap)};
}

void writeFace(std::ostream& out, const FaceRecipe& recipe, const Metrics& metrics,
               const std::vector<BakedGlyph>& glyphs) {
    std::vector<std::uint8_t> coverage;
    std::vector<std::uint32_t> offsets;
    for (const BakedGlyph& g : glyphs) {
        offsets.push_back(static_cast<std::uint32_t>(coverage.size()));
        coverage.insert(coverage.end(), g.coverage.begin(), g.coverage.end());
    }
    out << "const std::uint8_t " << recipe.name << "Coverage[] = {";
    for (std::size_t i = 0; i < coverage.size(); ++i)
        out << (i % 32 ? "" : "\n    ") << static_cast<int>(coverage[i]) << ",";
    out << "0};\n";
    out << "const tk::Glyph " << recipe.name << "Glyphs[] = {\n";
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const BakedGlyph& g = glyphs[i];
        out << "    {" << static_cast<unsigned long>(g.code) << ", " << g.step << ", "
            << g.advance64 << ", " << g.left << ", " << g.top << ", " << g.width << ", " << g.height
            << ", " << offsets[i] << "},\n";
    }
    out << "};\n\n";
    (void)metrics;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: smashbol-glyphgen OUTPUT.cpp PIXEL_FONT BOLD_FONT ITALIC_FONT\n";
        return 2;
    }
    FT_Library library;
    check(FT_Init_FreeType(&library), "starting FreeType");
    std::vector<FT_Face> fonts;
    for (int i = 2; i < 5; ++i) {
        FT_Face face;
        check(FT_New_Face(library, argv[i], 0, &face), std::string("opening ") + argv[i]);
        fonts.push_back(face);
    }

    std::ofstream out(argv[1], std::ios::binary);
    out << "// Generated by smashbol-glyphgen from the fonts named in the build; do not edit.\n"
           "#include \"assets/embedded_glyphs.h\"\n\nnamespace assets::embedded {\nnamespace {\n\n";
    std::vector<Metrics> metrics;
    for (const FaceRecipe& recipe : kRecipes) {
        FT_Face face = fonts[recipe.fontIndex];
        if (FT_IS_SCALABLE(face)) {
            check(FT_Set_Pixel_Sizes(face, 0, recipe.pixelSize), "sizing a face");
        } else {
            int strike = -1;
            for (int i = 0; i < face->num_fixed_sizes; ++i)
                if (face->available_sizes[i].height == recipe.pixelSize)
                    strike = i;
            if (strike < 0) {
                std::cerr << "smashbol-glyphgen: " << argv[2 + recipe.fontIndex] << " has no "
                          << recipe.pixelSize << "-pixel strike\n";
                return 1;
            }
            check(FT_Select_Size(face, strike), "choosing a strike");
        }
        std::vector<BakedGlyph> glyphs;
        for (const char32_t code : characterSet(recipe.marks))
            for (int step = 0; step < recipe.steps; ++step) {
                BakedGlyph g{code, step, 0, 0, 0, 0, 0, {}};
                const bool found = FT_IS_SCALABLE(face)
                                       ? bakeOutline(face, code, step, recipe.steps, g)
                                       : bakeBitmap(face, code, recipe.struck, g);
                if (found)
                    glyphs.push_back(std::move(g));
            }
        metrics.push_back(metricsOf(face));
        writeFace(out, recipe, metrics.back(), glyphs);
    }
    out << "}  // namespace\n\nconst tk::GlyphFace kGlyphFaces[] = {\n";
    for (std::size_t i = 0; i < std::size(kRecipes); ++i) {
        const FaceRecipe& r = kRecipes[i];
        out << "    {" << std::fixed << std::setprecision(2) << r.sizePt << "f, "
            << (r.bold ? "true" : "false") << ", " << (r.italic ? "true" : "false") << ", "
            << metrics[i].ascent << ", " << metrics[i].descent << ", " << metrics[i].leading << ", "
            << r.steps << ", " << r.name << "Glyphs, " << r.name << "Coverage},\n";
    }
    out << "};\nconst std::size_t kGlyphFaceCount = " << std::size(kRecipes)
        << ";\n\n}  // namespace assets::embedded\n";
    for (FT_Face face : fonts)
        FT_Done_Face(face);
    FT_Done_FreeType(library);
    return out ? 0 : 1;
}
