// Text from the baked faces: letters read out of UTF-8, widths, where a wrapped label breaks its
// lines. (Every letter the windows show, in each language, is the translations' test.)
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "assets/embedded_glyphs.h"
#include "engine/render/text.h"

namespace {

const tk::GlyphFaces kFaces(assets::glyphFaces());

const tk::GlyphFace& faceOf(float sizePt, bool bold) {
    return *kFaces.faceFor({"MS Sans Serif", sizePt, bold, false});
}

TEST(Typesetter, LettersOfUtf8) {
    // One to four bytes a letter. A byte that starts no valid letter stands for itself: the lead
    // of a letter cut off before its last byte; a lead followed by no continuation; a stray
    // continuation and a byte that is never a lead; an overlong slash, a surrogate half and a
    // code past U+10FFFF.
    const std::pair<std::string_view, std::u32string> rows[] = {
        {"Hra: 0 Vyhrál ůžŘ a–b \xF0\x9F\x8E\xBE", U"Hra: 0 Vyhrál ůžŘ a–b \U0001F3BE"},
        {std::string_view("a\xC5\xBE", 2), {U'a', 0xC5}},
        {"\xC5z\xE2\x80x\x80\xFF", {0xC5, U'z', 0xE2, 0x80, U'x', 0x80, 0xFF}},
        {"\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80",
         {0xC0, 0xAF, 0xED, 0xA0, 0x80, 0xF4, 0x90, 0x80, 0x80}}};
    for (const auto& [utf8, letters] : rows)
        EXPECT_EQ(tk::lettersOf(utf8), letters) << utf8;
}

TEST(Typesetter, WrapsAfterSpacesAndHyphensBetweenLetters) {
    const tk::Typesetter text(faceOf(8.25f, false));
    auto w = [&](const char* s) { return text.width(tk::lettersOf(s)); };
    const char* hra = "Hra se ovládá";
    // Exactly as wide as the room, and a pixel over; the space at a break hangs; a word too long
    // stands alone; a break after a hyphen between letters, not between two hyphens.
    const std::tuple<const char*, int, const char*> rows[] = {
        {hra, w(hra), hra},
        {hra, w(hra) - 1, "Hra se|ovládá"},
        {hra, w("Hra se"), "Hra se|ovládá"},
        {"a kurzorovými b", w("kurz"), "a|kurzorovými|b"},
        {"Smashbol-tým", w("Smashbol-t"), "Smashbol-|tým"},
        {"ab--cd", w("ab--c"), "ab--cd"}};
    for (const auto& [letters, room, lines] : rows) {
        std::u32string joined;
        for (const std::u32string& line : text.wrap(tk::lettersOf(letters), room))
            joined += (joined.empty() ? U"" : U"|") + line;
        EXPECT_EQ(joined, tk::lettersOf(lines)) << letters << " in " << room << " px";
    }
}

// Widths in whole pixels are the nearest to the exact ones. The bold of the small face is struck:
// each letter drawn twice, a pixel apart, so one pixel wider and its advance one pixel longer.
// A letter a face lacks is measured as "?".
TEST(Typesetter, Widths) {
    const tk::GlyphFace& regular = faceOf(8.25f, false);
    const tk::GlyphFace& bold = faceOf(8.25f, true);
    for (const char32_t c : tk::lettersOf("Ovládání hry: 0123456789")) {
        const tk::Glyph *r = regular.find(c), *b = bold.find(c);
        ASSERT_TRUE(r && b && b->height == r->height && b->width == (r->width ? r->width + 1 : 0));
        EXPECT_EQ(b->advance64, r->advance64 + 64);
        auto on = [&](int x, int y) {
            return x >= 0 && x < r->width && regular.coverage[r->offset + y * r->width + x] != 0;
        };
        for (int y = 0; y < b->height; ++y)
            for (int x = 0; x < b->width; ++x)
                EXPECT_EQ(bold.coverage[b->offset + y * b->width + x] != 0,
                          on(x, y) || on(x - 1, y))
                    << "letter " << static_cast<unsigned>(c) << " at " << x << "," << y;
    }
    EXPECT_EQ(tk::Typesetter(regular).width(U"\u2135"), tk::Typesetter(regular).width(U"?"));
    for (const tk::GlyphFace& face : assets::glyphFaces())
        for (const std::u32string_view text : {U"Vyhrál jsi !!!!", U"CLICK", U"Smashbol 2002"}) {
            const long off =
                tk::Typesetter(face).width(text) * 64L - tk::Typesetter(face).width64(text);
            EXPECT_TRUE(off > -32 && off <= 32) << face.sizePt << " pt, " << off << "/64 px";
        }
}

}  // namespace
