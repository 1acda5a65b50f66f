// Text from the baked faces: letters read out of UTF-8, widths, where a wrapped label breaks its
// lines; and the game's words in another language: catalogues read as msgfmt writes them (and
// nothing read from a broken one), the language chosen as gettext chooses, and every text the
// three windows show translated and set inside its box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "assets/embedded_glyphs.h"
#include "assets/embedded_translations.h"
#include "engine/flow/menu_tree.h"
#include "engine/flow/session.h"
#include "engine/render/renderer.h"
#include "engine/render/text.h"
#include "engine/screens/about_window.h"
#include "engine/screens/help_window.h"
#include "tools/trace/scripted_host.h"

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

TEST(Translation, ReadsCataloguesAndLeavesCzechWhereTheyHaveNothing) {
    // The catalogue msgfmt made, as it is, in the other byte order, and broken four ways.
    const std::span<const std::uint8_t> made = assets::translationCatalogues()[0].mo;
    const std::vector<std::uint8_t> little(made.begin(), made.end());
    std::vector<std::uint8_t> big = little, badMagic = little, pastTheEnd = little;
    const std::size_t count = little[8] | little[9] << 8;    // the header among the texts
    for (std::size_t at = 0; at < 28 + 16 * count; at += 4)  // the header and the two tables
        std::reverse(big.begin() + static_cast<long>(at), big.begin() + static_cast<long>(at) + 4);
    badMagic[0] ^= 1;
    pastTheEnd[28 + 8 + 7] = 0x7F;  // the second source text's offset, far past the image
    const std::tuple<const char*, std::span<const std::uint8_t>, bool> rows[] = {
        {"as msgfmt made it", little, true},
        {"big-endian", big, true},
        {"not a catalogue", badMagic, false},
        {"an offset past the end", pastTheEnd, false},
        {"cut short in its tables", std::span(little).first(40), false},
        {"shorter than a header", std::span(little).first(27), false}};
    for (const auto& [name, image, valid] : rows) {
        SCOPED_TRACE(name);
        const tk::Translation en("en", image);
        EXPECT_EQ(en.valid(), valid);
        EXPECT_EQ(en.size(), valid ? count - 1 : 0u) << "the header is no text";
        EXPECT_EQ(en.text("Hra"), valid ? "Game" : "Hra");
        EXPECT_EQ(en.text("Hra:"), valid ? "Set:" : "Hra:") << "a longer key";
        EXPECT_EQ(en.text("Hr"), "Hr") << "a shorter key, not in the catalogue";
        EXPECT_FALSE(en.has("Hr"));
        EXPECT_EQ(en.text(""), "") << "nor is the header's empty key";
    }
    EXPECT_EQ(assets::translationFor("en").code(), "en");
    EXPECT_EQ(assets::translationFor("de").code(), "cs");
}

TEST(Translation, ChoosesTheLanguageAsGettextDoes) {
    // A browser's en-GB; a language with no translation, the game's own words; the first of a list
    // that the game speaks; "eng" is not English but another code.
    const std::pair<const char*, const char*> wishes[] = {
        {"", "cs"},           {"en", "en"},    {"en_GB.UTF-8", "en"},
        {"en_US@euro", "en"}, {"en-GB", "en"}, {"C", "cs"},
        {"C.UTF-8", "cs"},    {"POSIX", "cs"}, {"de_DE.UTF-8", "cs"},
        {"de:en", "en"},      {"cs:en", "cs"}, {"C:en", "cs"},
        {"::en", "en"},       {"eng", "cs"}};
    const std::span<const tk::EmbeddedCatalogue> catalogues = assets::translationCatalogues();
    for (const auto& [wish, code] : wishes)
        EXPECT_EQ(tk::pickLanguage(wish, catalogues), code) << wish;

    // LANGUAGE first, then LC_ALL, LC_MESSAGES, LANG; an empty one counts as unset.
    using Environment = std::map<std::string, std::string>;
    const std::pair<Environment, const char*> environments[] = {
        {{}, ""},
        {{{"LANG", "en_US.UTF-8"}}, "en_US.UTF-8"},
        {{{"LANG", "cs_CZ"}, {"LC_MESSAGES", "en_GB"}}, "en_GB"},
        {{{"LC_MESSAGES", "en_GB"}, {"LC_ALL", "C"}}, "C"},
        {{{"LC_ALL", "C"}, {"LANGUAGE", "en"}}, "en"},
        {{{"LANGUAGE", ""}, {"LANG", "de_DE"}}, "de_DE"},
    };
    for (const auto& [environment, expected] : environments) {
        const std::string got = tk::wishesOfEnvironment([&](const char* name) -> const char* {
            const auto found = environment.find(name);
            return found == environment.end() ? nullptr : found->second.c_str();
        });
        EXPECT_EQ(got, expected);
    }
}

// Every label the windows show, in both languages: the words translated (digits and colons
// aside), a wrapped text inside its box, nothing cut off, a self-sizing one inside its container
// and clear of its neighbours.
TEST(Translation, EveryTextTheWindowsShowHasEnglishThatFitsItsBox) {
    const tk::Translation english = assets::translationFor("en");
    const tk::Renderer renderer{tk::GlyphFaces(assets::glyphFaces())};
    flow::Session<trace::ScriptedHost> session;
    flow::MainWindow& form = session.form;
    form.Form_Load();
    form.Picture4_Click();
    form.hard_Click();  // the score bar shows
    screens::Form2 about(session.host);
    about.Load();
    screens::Form3 help(session.host);
    form.Label2.Caption = "10";  // the widest score the bar shows
    form.Label4.Caption = "10";

    const auto hasEnglish = [&](const auto& self, const flow::MenuNode& node) -> void {
        EXPECT_TRUE(english.has(node.item->Caption)) << node.item->Caption;
        for (const flow::MenuNode& child : node.children)
            self(self, child);
    };
    for (const flow::MenuNode& menu : flow::menuTree(form))
        hasEnglish(hasEnglish, menu);

    int checked = 0;
    for (const std::string& message : {std::string(), game::kYouWon, game::kYouLost}) {
        form.Label12.Caption = message;
        // A window's name, its labels and the width of its client area.
        const std::tuple<const char*, std::vector<tk::ControlRef>, int> windows[] = {
            {"Form1", form.windowControls(), 303},
            {"Picture1", form.courtControls(), 255},
            {"Picture4", form.splashControls(), 250},
            {"Form2", about.controls(), 305},
            {"Form3", help.controls(), 305}};
        for (const tk::Translation& language : {tk::Translation(), english}) {
            tk::showLanguage(language);
            for (const auto& [name, labels, widthPx] : windows) {
                std::vector<std::pair<const tk::Label*, tk::Rect>> shown;
                for (const tk::ControlRef& ref : labels) {
                    const tk::Label* label = ref.label();
                    if (!label || !label->Visible || label->Caption.empty())
                        continue;
                    SCOPED_TRACE(std::string(name) + "." + label->name + " in " + language.code() +
                                 ": \"" + std::string(tk::tr(label->Caption)) + "\"");
                    ++checked;
                    const bool words = std::any_of(label->Caption.begin(), label->Caption.end(),
                                                   [](char c) { return std::isalpha(c & 0x7F); });
                    EXPECT_TRUE(!words || english.has(label->Caption)) << "no English";
                    const tk::Rect box = renderer.labelRect(*label);
                    // The face of the label's very font, with every letter of its text.
                    const tk::GlyphFace* face = renderer.faces().faceFor(label->font);
                    ASSERT_TRUE(face && face->sizePt == label->font.sizePt &&
                                face->bold == label->font.bold &&
                                face->italic == label->font.italic);
                    const tk::Typesetter setter(*face);
                    for (const char32_t c : tk::lettersOf(tk::tr(label->Caption)))
                        EXPECT_TRUE(setter.face().find(c)) << "no letter " << unsigned(c);
                    if (label->AutoSize) {
                        EXPECT_TRUE(box.x >= 0 && box.right() <= widthPx);
                        for (const auto& [other, rect] : shown)
                            EXPECT_TRUE(rect.intersected(box).empty()) << "on " << other->name;
                        shown.emplace_back(label, box);
                        continue;
                    }
                    const auto lines =
                        setter.wrap(tk::lettersOf(tk::tr(label->Caption)), box.width);
                    const int height = static_cast<int>(lines.size() - 1) * setter.linePitch() +
                                       setter.face().height();
                    EXPECT_LE(height, box.height) << lines.size() << " lines";
                    for (std::u32string line : lines) {
                        line.erase(line.find_last_not_of(U' ') + 1);
                        EXPECT_LE(setter.width(line), box.width);
                    }
                }
            }
        }
    }
    tk::showLanguage({});
    EXPECT_EQ(checked, 2 * (3 * (8 + 1 + 8 + 3) + 2));
    // And every digit of the score, and every letter of Czech, for whatever a caption is given
    // later; a font with no face of its own takes the nearest size of its style, not another.
    for (const tk::GlyphFace& face : assets::glyphFaces())
        for (const char32_t c : std::u32string_view(U"0123456789áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ"))
            EXPECT_TRUE(face.find(c)) << face.sizePt << " pt lacks " << static_cast<unsigned>(c);
    const tk::GlyphFaces& faces = renderer.faces();
    EXPECT_EQ(faces.faceFor({"MS Sans Serif", 24, false, false}),
              faces.faceFor({"MS Sans Serif", 8.25f, false, false}));
}

}  // namespace
