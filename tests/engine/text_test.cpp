// Text from the baked faces: letters read out of UTF-8, widths, where a wrapped label breaks its
// lines, and every letter the three windows can show carried by the face its label asks for.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "assets/embedded_glyphs.h"
#include "flow/session.h"
#include "screens/about_window.h"
#include "screens/help_window.h"
#include "toolkit/render/text.h"
#include "tools/trace/scripted_host.h"

namespace {

const tk::GlyphFaces kFaces(assets::glyphFaces());

// The face of that size and weight, checked to be that very face.
const tk::GlyphFace& faceOf(float sizePt, bool bold, bool italic = false) {
    const tk::GlyphFace* face = kFaces.faceFor({"MS Sans Serif", sizePt, bold, italic});
    EXPECT_TRUE(face && face->sizePt == sizePt && face->bold == bold && face->italic == italic);
    return *face;
}

std::string utf8(std::u32string_view letters) {
    std::string out;
    for (const char32_t c : letters) {
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        const int tail = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        const unsigned lead[] = {0, 0xC0, 0xE0, 0xF0};
        out += static_cast<char>(lead[tail] | c >> (6 * tail));
        for (int k = tail - 1; k >= 0; --k)
            out += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
    }
    return out;
}

TEST(Typesetter, LettersOfUtf8) {
    const struct {
        const char* name;
        std::string_view utf8;
        std::u32string letters;
    } rows[] = {
        {"plain ASCII", "Hra: 0", U"Hra: 0"},
        {"Czech letters, two bytes each", "Vyhrál ůžŘ", U"Vyhrál ůžŘ"},
        {"a dash of three bytes", "a–b", U"a–b"},
        {"a letter of four bytes", "\xF0\x9F\x8E\xBE!", U"\U0001F3BE!"},
        {"a lead byte at the very end", "a\xC5", {U'a', 0xC5}},
        {"a lead byte at the end of a cut text", std::string_view("a\xC5\xBE", 2), {U'a', 0xC5}},
        {"a lead byte before a plain letter", "\xC5z", {0xC5, U'z'}},
        {"a stray continuation byte", "\x80\xBEx", {0x80, 0xBE, U'x'}},
        {"three bytes cut short", "\xE2\x80x", {0xE2, 0x80, U'x'}},
        {"bytes that start nothing", "\xFF\xF8", {0xFF, 0xF8}},
        {"an overlong slash", "\xC0\xAF", {0xC0, 0xAF}},
        {"an overlong letter of three bytes", "\xE0\x81\x81", {0xE0, 0x81, 0x81}},
        {"a surrogate half", "\xED\xA0\x80", {0xED, 0xA0, 0x80}},
        {"past the last letter", "\xF4\x90\x80\x80", {0xF4, 0x90, 0x80, 0x80}},
        {"nothing", "", U""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(tk::lettersOf(row.utf8) == row.letters) << utf8(tk::lettersOf(row.utf8));
    }
}

TEST(Typesetter, WrapsAfterSpacesAndHyphensBetweenLetters) {
    const tk::Typesetter text(faceOf(8.25f, false));
    auto width = [&](const char* s) { return text.width(tk::lettersOf(s)); };
    const struct {
        const char* name;
        const char* text;
        int room;
        const char* lines;  // joined with '|'
    } rows[] = {
        {"all of it, exactly as wide as the room", "Hra se ovládá", width("Hra se ovládá"),
         "Hra se ovládá"},
        {"a pixel short: the last word moves down", "Hra se ovládá", width("Hra se ovládá") - 1,
         "Hra se|ovládá"},
        {"the space before a break does not count", "Hra se ovládá", width("Hra se"),
         "Hra se|ovládá"},
        {"a run of spaces hangs and is dropped", "Hra    se", width("Hra"), "Hra|se"},
        {"spaces at the end hang", "Hra se   ", width("Hra se"), "Hra se"},
        {"a word as wide as the room has a line of its own", "ab kurzorovými cd",
         width("kurzorovými"), "ab|kurzorovými|cd"},
        {"a word too long stands alone", "a kurzorovými b", width("kurz"), "a|kurzorovými|b"},
        {"a hyphen between letters breaks after it", "Smashbol-tým", width("Smashbol-t"),
         "Smashbol-|tým"},
        {"and between digits", "2002-2003", width("2002-2"), "2002-|2003"},
        {"a hyphen after a space does not", "ab -tým", width("ab -t"), "ab|-tým"},
        {"nor a hyphen before a space", "ab- tým", width("ab- t"), "ab-|tým"},
        {"nor two hyphens in a row", "ab--cd", width("ab--c"), "ab--cd"},
        {"no room: a word a line", "Hra se", 0, "Hra|se"},
        {"nothing is one empty line", "", 40, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::u32string joined;
        bool first = true;
        for (const std::u32string& line : text.wrap(tk::lettersOf(row.text), row.room)) {
            joined += (first ? U"" : U"|") + line;
            first = false;
        }
        EXPECT_EQ(utf8(joined), row.lines) << "room " << row.room;
    }
}

// Widths in whole pixels are the nearest to the exact ones, halves up. The bold of the small face
// is struck: each letter drawn twice, a pixel apart, so one pixel wider and its advance one pixel
// longer. A letter a face lacks is measured as "?".
TEST(Typesetter, Widths) {
    const tk::GlyphFace& regular = faceOf(8.25f, false);
    const tk::GlyphFace& bold = faceOf(8.25f, true);
    const struct {
        const char* name;
        const char* text;
    } rows[] = {{"score bar", "Na sety:"},  {"digits", "0123456789"}, {"Czech", "Ovládání hry"},
                {"one narrow letter", "i"}, {"spaces too", "   "},    {"nothing", ""}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::u32string letters = tk::lettersOf(row.text);
        const int n = static_cast<int>(letters.size());
        EXPECT_EQ(tk::Typesetter(bold).width(letters), tk::Typesetter(regular).width(letters) + n);
        for (const char32_t c : letters) {
            const tk::Glyph* r = regular.find(c);
            const tk::Glyph* b = bold.find(c);
            ASSERT_TRUE(r && b);
            EXPECT_EQ(b->advance64, r->advance64 + 64);
            ASSERT_EQ(b->width, r->width ? r->width + 1 : 0);
            ASSERT_EQ(b->height, r->height);
            EXPECT_EQ(b->left, r->left);
            EXPECT_EQ(b->top, r->top);
            for (int y = 0; y < b->height; ++y)
                for (int x = 0; x < b->width; ++x) {
                    auto on = [&](int px) {
                        return px >= 0 && px < r->width &&
                               regular.coverage[r->offset + y * r->width + px] != 0;
                    };
                    EXPECT_EQ(bold.coverage[b->offset + y * b->width + x] != 0, on(x) || on(x - 1))
                        << "letter " << utf8(std::u32string(1, c)) << " at " << x << "," << y;
                }
        }
    }
    EXPECT_EQ(tk::Typesetter(regular).width(U"\u2135"), tk::Typesetter(regular).width(U"?"))
        << "a letter the face lacks";
    EXPECT_GT(tk::Typesetter(regular).width(U"?"), 0);
    for (const tk::GlyphFace& face : assets::glyphFaces())
        for (const char* text : {"Vyhrál jsi !!!!", "Prohrál jsi !!!!", "CLICK", "Smashbol 2002"}) {
            SCOPED_TRACE(std::to_string(face.sizePt) + " pt " + text);
            const tk::Typesetter setter(face);
            const long off =
                setter.width(tk::lettersOf(text)) * 64L - setter.width64(tk::lettersOf(text));
            EXPECT_TRUE(off > -32 && off <= 32) << off << "/64 px";
        }
}

// No letter of any text the windows show falls back to "?", and no label's font falls back to
// another face.
TEST(Typesetter, EveryLetterTheWindowsShowIsInItsFace) {
    flow::Session<trace::ScriptedHost> session;
    screens::Form2 about(session.host);
    about.Load();
    screens::Form3 help(session.host);
    game::Form1& form = session.form;

    std::vector<tk::ControlRef> controls;
    for (const auto& list : {form.windowControls(), form.courtControls(), form.splashControls(),
                             about.controls(), help.controls()})
        controls.insert(controls.end(), list.begin(), list.end());
    // What the game writes into its labels while it runs.
    const std::string digits = "0123456789";
    const struct {
        const tk::Label* label;
        std::string caption;
    } laterCaptions[] = {{&form.Label12, game::kYouWon}, {&form.Label12, game::kYouLost},
                         {&form.Label9, digits},         {&form.Label11, digits},
                         {&form.Label2, digits},         {&form.Label4, digits}};

    int labels = 0;
    for (const tk::ControlRef& ref : controls) {
        const tk::Label* label = ref.label();
        if (!label)
            continue;
        ++labels;
        SCOPED_TRACE(label->name + " \"" + label->Caption + "\"");
        const tk::GlyphFace* face = kFaces.faceFor(label->font);
        ASSERT_TRUE(face);
        EXPECT_EQ(face->sizePt, label->font.sizePt);
        EXPECT_EQ(face->bold, label->font.bold);
        EXPECT_EQ(face->italic, label->font.italic);
        std::string texts = label->Caption;
        for (const auto& later : laterCaptions)
            if (later.label == label)
                texts += later.caption;
        for (const char32_t c : tk::lettersOf(texts))
            EXPECT_TRUE(face->find(c)) << "no letter " << utf8(std::u32string(1, c));
    }
    EXPECT_EQ(labels, 8 + 3 + 1 + 8 + 3);
    // And every letter of Czech, for whatever a caption is given later.
    for (const tk::GlyphFace& face : assets::glyphFaces())
        for (const char32_t c : std::u32string_view(U"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ"))
            EXPECT_TRUE(face.find(c)) << face.sizePt << " pt lacks " << utf8(std::u32string(1, c));
}

}  // namespace
