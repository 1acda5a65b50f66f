// The renderer on small hand-made scenes: the order of the layers, children cut off at their
// container's client area, twips rounded to pixels, lines, the ball's circle, where self-sizing
// labels sit and which control a click lands on. Then the trace driver's shots and the PNG files
// they are written as.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "assets/embedded_glyphs.h"
#include "toolkit/render/png.h"
#include "toolkit/render/renderer.h"
#include "toolkit/render/text.h"
#include "tools/trace/trace.h"

namespace {

const tk::Renderer kRenderer{tk::GlyphFaces(assets::glyphFaces())};

constexpr tk::Color kRed = tk::RGB(255, 0, 0), kBlue = tk::RGB(0, 0, 255),
                    kYellow = tk::RGB(255, 255, 0), kGreen = tk::RGB(0, 160, 0),
                    kMagenta = tk::RGB(255, 0, 255), kGrey = tk::RGB(90, 90, 90),
                    kCyan = tk::RGB(0, 255, 255);

constexpr float px(int pixels) {
    return static_cast<float>(pixels) * tk::kTwipsPerPixel;
}

// A picture of one colour, the bytes kept alive by the handle.
tk::Picture solidPicture(int width, int height, tk::Color color) {
    struct Owned : tk::Image {
        std::vector<std::uint8_t> bytes;
    };
    auto image = std::make_shared<Owned>();
    image->widthPx = width;
    image->heightPx = height;
    for (int i = 0; i < width * height; ++i)
        image->bytes.insert(image->bytes.end(),
                            {static_cast<std::uint8_t>(tk::redOf(color)),
                             static_cast<std::uint8_t>(tk::greenOf(color)),
                             static_cast<std::uint8_t>(tk::blueOf(color)), 255});
    image->rgba = image->bytes.data();
    return tk::Picture(std::shared_ptr<const tk::Image>(image));
}

template <typename Kind>
Kind placed(const char* name, int left, int top, int width, int height) {
    Kind c;
    tk::place(c, name, px(left), px(top), px(width), px(height));
    return c;
}

tk::Shape filledShape(const char* name, int left, int top, int width, int height, tk::Color color) {
    auto shape = placed<tk::Shape>(name, left, top, width, height);
    shape.filled = true;
    shape.FillColor = shape.BorderColor = color;
    return shape;
}

tk::PictureBox box(const char* name, int left, int top, int width, int height, tk::Color back,
                   int border = 0) {
    auto b = placed<tk::PictureBox>(name, left, top, width, height);
    b.BackColor = back;
    b.borderPx = border;
    return b;
}

// Which controls live in which picture box.
std::function<std::vector<tk::ControlRef>(const tk::PictureBox&)> children(
    std::map<const tk::PictureBox*, std::vector<tk::ControlRef>> of) {
    return [of](const tk::PictureBox& b) {
        const auto found = of.find(&b);
        return found == of.end() ? std::vector<tk::ControlRef>{} : found->second;
    };
}

TEST(Renderer, LayersOfAWindow) {
    // Everything covers the pixel (5, 5) of a 12 x 12 window.
    tk::PictureBox first = box("A", 0, 0, 10, 10, kRed);
    tk::PictureBox second = box("B", 3, 3, 8, 8, kBlue);
    tk::PictureBox hidden = box("H", 0, 0, 12, 12, kCyan);
    hidden.Visible = false;
    tk::Label label = placed<tk::Label>("L", 0, 0, 10, 10);
    label.transparent = false;
    label.BackColor = kYellow;
    tk::Shape shape = filledShape("S", 2, 2, 8, 8, kGreen);
    tk::LineControl line{"I", 0, px(5), px(11), px(5), kMagenta};
    tk::Surface drawing;
    drawing.Line(px(5), 0, px(5), px(11), kGrey);
    const std::map<char, tk::ControlRef> controls = {{'A', tk::ref(first)},  {'B', tk::ref(second)},
                                                     {'H', tk::ref(hidden)}, {'L', tk::ref(label)},
                                                     {'S', tk::ref(shape)},  {'I', tk::ref(line)}};
    const struct {
        const char* name;
        const char* scene;  // P: the window's picture, D: its drawing, then its controls in order
        tk::Color seen;
    } rows[] = {
        {"the window's colour", "", tk::kWhite},
        {"its picture over its colour", "P", kBlue},
        {"its drawing over its picture", "PD", kGrey},
        {"a control over its drawing", "PDS", kGreen},
        {"a picture box over a label listed before it", "LA", kRed},
        {"over a shape listed before it", "SA", kRed},
        {"over a line listed before it", "IA", kRed},
        {"the earlier of two picture boxes on top", "AB", kRed},
        {"the earlier of two picture boxes on top, the other way", "BA", kBlue},
        {"the earlier of a label and a shape on top", "LS", kYellow},
        {"the earlier of a shape and a label on top", "SL", kGreen},
        {"a line over a later label", "IL", kMagenta},
        {"a label over a later line", "LI", kYellow},
        {"a hidden picture box shows what lies under it", "HS", kGreen},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        tk::Scene scene;
        for (const char* c = row.scene; *c; ++c) {
            if (*c == 'P')
                scene.picture = solidPicture(12, 12, kBlue);
            else if (*c == 'D')
                scene.drawing = &drawing;
            else
                scene.controls.push_back(controls.at(*c));
        }
        EXPECT_EQ(kRenderer.render(scene, 12, 12).at(5, 5), tk::pixelOf(row.seen));
    }
}

TEST(Renderer, ChildrenStopAtTheirContainersClientArea) {
    // A box at (10, 20), 30 x 40 pixels; its child, far larger, reaches past every side. In the
    // nested scene the child is a borderless box wider than the client area, holding the shape.
    const struct {
        const char* name;
        int border;
        bool nested;
        int x, y;
        tk::Color seen;
    } rows[] = {
        {"no border: first pixel", 0, false, 10, 20, kRed},
        {"no border: left of it", 0, false, 9, 20, tk::kWhite},
        {"no border: last pixel", 0, false, 39, 59, kRed},
        {"no border: right of it", 0, false, 40, 59, tk::kWhite},
        {"flat border: first pixel inside it", 1, false, 11, 21, kRed},
        {"flat border: the border beside it", 1, false, 10, 21, tk::kBlack},
        {"flat border: last pixel inside it", 1, false, 38, 58, kRed},
        {"flat border: the border below it", 1, false, 38, 59, tk::kBlack},
        {"flat border: outside the box", 1, false, 40, 58, tk::kWhite},
        {"3-D border: first pixel inside it", 2, false, 12, 22, kRed},
        {"3-D border: its inner dark line", 2, false, 11, 22, tk::RGB(64, 64, 64)},
        {"3-D border: last pixel inside it", 2, false, 37, 57, kRed},
        {"3-D border: its inner face line", 2, false, 38, 57, tk::RGB(212, 208, 200)},
        {"grandchild: first pixel", 1, true, 11, 21, kRed},
        {"grandchild: not over the border", 1, true, 10, 21, tk::kBlack},
        {"grandchild: last pixel of the row", 1, true, 38, 21, kRed},
        {"grandchild: not over the right border", 1, true, 39, 21, tk::kBlack},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        tk::PictureBox container = box("P", 10, 20, 30, 40, kBlue, row.border);
        tk::PictureBox inner = box("N", -5, -5, 50, 10, kYellow);
        tk::Shape child = filledShape("S", -20, -20, 100, 100, kRed);
        tk::Scene scene;
        scene.controls = {tk::ref(container)};
        if (row.nested)
            scene.childrenOf =
                children({{&container, {tk::ref(inner)}}, {&inner, {tk::ref(child)}}});
        else
            scene.childrenOf = children({{&container, {tk::ref(child)}}});
        EXPECT_EQ(kRenderer.render(scene, 50, 70).at(row.x, row.y), tk::pixelOf(row.seen));
    }
    // A picture box's picture starts at its client area's corner.
    tk::PictureBox framed = box("P", 2, 3, 6, 6, kBlue, 1);
    framed.setPicture(solidPicture(2, 2, kRed));
    tk::Scene scene;
    scene.controls = {tk::ref(framed)};
    const tk::Frame frame = kRenderer.render(scene, 10, 10);
    EXPECT_EQ(frame.at(3, 4), tk::pixelOf(kRed));
    EXPECT_EQ(frame.at(4, 5), tk::pixelOf(kRed));
    EXPECT_EQ(frame.at(5, 5), tk::pixelOf(kBlue));
}

TEST(Renderer, TwipsRoundToTheNearestPixelHalvesUp) {
    const struct {
        const char* name;
        float left, width;
        int first, count;  // the shape's first column and how many it covers (-1: none)
    } rows[] = {
        {"7 twips: no pixel", 7, 30, 0, 2},
        {"8 twips: one pixel", 8, 30, 1, 2},
        {"22 twips: one pixel", 22, 30, 1, 2},
        {"23 twips: two pixels", 23, 30, 2, 2},
        {"half a pixel: up", 7.5f, 30, 1, 2},
        {"two and a half: up, not to even", 37.5f, 30, 3, 2},
        {"a width of 22 twips: one column", 30, 22, 2, 1},
        {"a width of 23 twips: two columns", 30, 23, 2, 2},
        {"a width of 7 twips: nothing", 30, 7, -1, 0},
        {"a width of 7.5 twips: one column", 30, 7.5f, 2, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        tk::Shape shape = filledShape("S", 0, 0, 0, 1, kRed);
        shape.Left = row.left;
        shape.Width = row.width;
        tk::Scene scene;
        scene.controls = {tk::ref(shape)};
        const tk::Frame frame = kRenderer.render(scene, 8, 1);
        int first = -1, count = 0;
        for (int x = 0; x < frame.width; ++x)
            if (frame.at(x, 0) == tk::pixelOf(kRed)) {
                first = first < 0 ? x : first;
                ++count;
            }
        EXPECT_EQ(first, row.first);
        EXPECT_EQ(count, row.count);
    }
}

TEST(Renderer, LinesCoverBothEndsWhicheverWayTheyGo) {
    const struct {
        const char* name;
        int x1, y1, x2, y2;
    } rows[] = {
        {"left to right", 1, 3, 6, 3},      {"right to left", 6, 3, 1, 3},
        {"top down", 4, 1, 4, 6},           {"bottom up", 4, 6, 4, 1},
        {"diagonal down", 1, 1, 6, 6},      {"diagonal up, backwards", 6, 6, 1, 1},
        {"shallow, backwards", 6, 5, 1, 2}, {"steep", 2, 6, 4, 0},
        {"one point", 3, 3, 3, 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        tk::LineControl line{"Line1", px(row.x1), px(row.y1), px(row.x2), px(row.y2), kBlue};
        tk::Scene scene;
        scene.controls = {tk::ref(line)};
        const tk::Frame frame = kRenderer.render(scene, 8, 8);
        const tk::Pixel blue = tk::pixelOf(kBlue);
        EXPECT_EQ(frame.at(row.x1, row.y1), blue) << "first end";
        EXPECT_EQ(frame.at(row.x2, row.y2), blue) << "last end";
        const tk::Rect span{std::min(row.x1, row.x2), std::min(row.y1, row.y2),
                            std::abs(row.x2 - row.x1) + 1, std::abs(row.y2 - row.y1) + 1};
        int drawn = 0;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if (frame.at(x, y) == blue) {
                    ++drawn;
                    EXPECT_TRUE(span.contains(x, y)) << x << "," << y << " past the ends";
                }
        EXPECT_EQ(drawn, std::max(span.width, span.height)) << "one pixel a step";
    }
}

TEST(Renderer, TheBallIsANineByNineCircle) {
    trace::ScriptedHost host;
    flow::Module1 module1(host);
    game::Form1 form(host, module1);
    tk::Shape ball = form.ball;  // 135 twips, black outline, pale green fill
    ball.Left = ball.Top = px(1);
    ball.Visible = true;
    tk::Scene scene;
    scene.controls = {tk::ref(ball)};
    const tk::Frame frame = kRenderer.render(scene, 11, 11);
    const std::vector<std::string> expected = {
        "...........", "....###....", "...#ooo#...", "..#ooooo#..", ".#ooooooo#.", ".#ooooooo#.",
        ".#ooooooo#.", "..#ooooo#..", "...#ooo#...", "....###....", "...........",
    };
    for (int y = 0; y < frame.height; ++y) {
        std::string seen;
        for (int x = 0; x < frame.width; ++x) {
            const tk::Pixel p = frame.at(x, y);
            seen += p == tk::pixelOf(tk::kBlack)               ? '#'
                    : p == tk::pixelOf(tk::RGB(128, 255, 128)) ? 'o'
                    : p == tk::pixelOf(tk::kWhite)             ? '.'
                                                               : '?';
        }
        EXPECT_EQ(seen, expected[y]) << "row " << y;
    }
}

TEST(Renderer, SelfSizingLabelsKeepTheirEdgeOrMiddle) {
    enum Kept { Box, LeftEdge, RightEdge, Middle };
    const struct {
        const char* name;
        tk::Alignment alignment;
        float left, width, sizePt;
        const char* caption;
        Kept kept;
        int at;  // the edge in pixels, or twice the middle
    } rows[] = {
        {"left-aligned keeps its left edge", tk::Alignment::Left, 1200, 720, 8.25f,
         "Na sety:", LeftEdge, 80},
        {"its left edge rounded", tk::Alignment::Left, 1208, 720, 8.25f, "Hra:", LeftEdge, 81},
        {"right-aligned keeps its right edge", tk::Alignment::Right, 2040, 120, 8.25f, "0",
         RightEdge, 144},
        {"and grows to the left", tk::Alignment::Right, 2040, 120, 8.25f, "12", RightEdge, 144},
        {"centred keeps its middle", tk::Alignment::Center, 1815, 195, 24, "Vyhrál jsi !!!!",
         Middle, 255},
        {"the other message too", tk::Alignment::Center, 1815, 195, 24, "Prohrál jsi !!!!", Middle,
         255},
        {"a middle on a pixel's edge", tk::Alignment::Center, 0, 300, 8.25f, "0", Middle, 20},
        {"a middle on a pixel's edge, two digits", tk::Alignment::Center, 0, 300, 8.25f, "10",
         Middle, 20},
        {"not self-sizing: its own box", tk::Alignment::Right, 2040, 120, 8.25f, "12", Box, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        tk::Label label;
        tk::place(label, "Label", row.left, 30, row.width, 195);
        label.font = {"MS Sans Serif", row.sizePt, true, false};
        label.alignment = row.alignment;
        label.AutoSize = row.kept != Box;
        label.Caption = row.caption;
        const tk::Rect r = kRenderer.labelRect(label);
        if (row.kept == Box) {
            EXPECT_EQ(r, tk::controlRect(label));
            continue;
        }
        const tk::GlyphFace& face = *kRenderer.faces().faceFor(label.font);
        const int w = tk::Typesetter(face).width(tk::lettersOf(row.caption));
        EXPECT_EQ(r.width, w);
        EXPECT_EQ(r.height, face.height());
        EXPECT_EQ(r.y, 2);
        if (row.kept == LeftEdge)
            EXPECT_EQ(r.x, row.at);
        else if (row.kept == RightEdge)
            EXPECT_EQ(r.right(), row.at);
        else  // the text's middle on the label's, half a pixel to the right when they cannot meet
            EXPECT_EQ(2 * r.x + w, row.at + ((row.at - w) & 1)) << "text " << w << " px";
    }
}

TEST(Renderer, AClickLandsOnTheTopmostControl) {
    // Q over the top-right of P; P's child C reaches past P's border at its top-left corner.
    tk::PictureBox q = box("Q", 20, 0, 20, 20, kBlue);
    tk::PictureBox p = box("P", 0, 0, 30, 30, kRed, 1);
    tk::Label c = placed<tk::Label>("C", -2, -2, 7, 7);
    tk::Label hiddenChild = placed<tk::Label>("H", 10, 10, 5, 5);
    hiddenChild.Visible = false;
    tk::Shape shape = filledShape("V", 20, 20, 5, 5, kGreen);
    tk::LineControl childLine{"I", 0, px(15), px(20), px(15), tk::kBlack};
    tk::PictureBox hiddenBox = box("Hb", 0, 40, 10, 10, kCyan);
    hiddenBox.Visible = false;
    tk::Label under = placed<tk::Label>("U", 0, 40, 10, 10);
    tk::Label sized = placed<tk::Label>("S", 40, 40, 30, 20);
    sized.AutoSize = true;
    sized.Caption = "0";
    tk::LineControl windowLine{"W", 0, px(70), px(30), px(70), tk::kBlack};
    tk::Scene scene;
    scene.controls = {tk::ref(q),     tk::ref(p),     tk::ref(hiddenBox),
                      tk::ref(under), tk::ref(sized), tk::ref(windowLine)};
    scene.childrenOf =
        children({{&p, {tk::ref(c), tk::ref(hiddenChild), tk::ref(shape), tk::ref(childLine)}}});
    const int textWidth =
        tk::Typesetter(*kRenderer.faces().faceFor(sized.font)).width(tk::lettersOf("0"));
    ASSERT_LT(textWidth, 30);

    const struct {
        const char* name;
        int x, y;
        const char* control;  // "" for none
    } rows[] = {
        {"the earlier of two boxes", 25, 5, "Q"},
        {"the later where the earlier is not", 15, 25, "P"},
        {"a box's child before the box", 1, 1, "C"},
        {"past the child", 6, 6, "P"},
        {"the border, where the child reaches", 0, 0, "P"},
        {"a hidden child: the box", 12, 12, "P"},
        {"a line in the box: the box", 6, 16, "P"},
        {"a shape in the box: the box", 22, 22, "P"},
        {"the box's last pixel", 29, 29, "P"},
        {"past the box", 30, 29, ""},
        {"a hidden box: what lies under it", 5, 45, "U"},
        {"a self-sizing label on its text", 40 + textWidth - 1, 40, "S"},
        {"past its text, inside its box", 40 + textWidth, 40, ""},
        {"below its text", 40, 40 + kRenderer.faces().faceFor(sized.font)->height(), ""},
        {"a line in the window", 10, 70, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const tk::Control* hit = kRenderer.controlAt(scene, row.x, row.y);
        EXPECT_EQ(hit ? hit->name : "", row.control);
    }
}

// --- shots ---

std::uint32_t bigEndian(const std::uint8_t* b) {
    return std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 | std::uint32_t{b[2]} << 8 | b[3];
}

TEST(Shots, PngHoldsTheFramesValuesAsTheyAre) {
    const struct {
        const char* name;
        int width, height;
    } rows[] = {{"one pixel", 1, 1}, {"a few", 3, 2}, {"more than one stored block", 200, 120}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        tk::Frame frame(row.width, row.height);
        std::vector<std::uint8_t> raw;  // each row: filter 0, then red, green, blue of every pixel
        for (int y = 0; y < row.height; ++y) {
            raw.push_back(0);
            for (int x = 0; x < row.width; ++x) {
                const std::uint8_t rgb[] = {static_cast<std::uint8_t>(x * 7 + 1),
                                            static_cast<std::uint8_t>(y * 3 + 2),
                                            static_cast<std::uint8_t>((x ^ y) + 3)};
                frame.at(x, y) = 0xFF000000u | rgb[0] << 16 | rgb[1] << 8 | rgb[2];
                raw.insert(raw.end(), std::begin(rgb), std::end(rgb));
            }
        }
        const std::vector<std::uint8_t> png = tk::encodePng(frame);
        const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        ASSERT_GT(png.size(), 8u);
        EXPECT_TRUE(std::equal(std::begin(signature), std::end(signature), png.begin()));
        std::string types;  // no gAMA, sRGB, iCCP or cHRM: nothing may convert the values
        std::vector<std::uint8_t> idat;
        for (std::size_t at = 8; at + 12 <= png.size();) {
            const std::uint8_t* chunk = &png[at];
            const std::uint32_t length = bigEndian(chunk);
            ASSERT_LE(at + 12 + length, png.size());
            const std::string type(chunk + 4, chunk + 8);
            types += type + " ";
            std::uint32_t crc = 0xFFFFFFFFu;
            for (std::uint32_t i = 4; i < 8 + length; ++i) {
                crc ^= chunk[i];
                for (int k = 0; k < 8; ++k)
                    crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
            }
            EXPECT_EQ(bigEndian(chunk + 8 + length), ~crc) << type;
            if (type == "IHDR" && length == 13) {
                EXPECT_EQ(bigEndian(chunk + 8), static_cast<std::uint32_t>(row.width));
                EXPECT_EQ(bigEndian(chunk + 12), static_cast<std::uint32_t>(row.height));
                EXPECT_EQ(chunk[16] << 8 | chunk[17], 8 << 8 | 2) << "8-bit RGB";
                EXPECT_EQ(chunk[20], 0) << "not interlaced";
            }
            if (type == "IDAT")
                idat.insert(idat.end(), chunk + 8, chunk + 8 + length);
            at += 12 + length;
        }
        EXPECT_EQ(types, "IHDR IDAT IEND ");
        // A zlib stream of stored deflate blocks, then the Adler-32 of what they hold.
        ASSERT_GE(idat.size(), 6u);
        EXPECT_TRUE((idat[0] & 0x0F) == 8 && (idat[0] << 8 | idat[1]) % 31 == 0);
        std::vector<std::uint8_t> stored;
        std::size_t at = 2;
        for (bool last = false; !last;) {
            ASSERT_LE(at + 5, idat.size());
            last = idat[at] & 1;
            ASSERT_EQ(idat[at] >> 1, 0) << "a stored block";
            const unsigned length = idat[at + 1] | idat[at + 2] << 8;
            EXPECT_EQ(length ^ (idat[at + 3] | idat[at + 4] << 8), 0xFFFFu);
            ASSERT_LE(at + 5 + length, idat.size());
            stored.insert(stored.end(), idat.begin() + at + 5, idat.begin() + at + 5 + length);
            at += 5 + length;
        }
        EXPECT_TRUE(stored == raw);
        std::uint32_t a = 1, b = 0;
        for (const std::uint8_t byte : stored) {
            a = (a + byte) % 65521;
            b = (b + a) % 65521;
        }
        ASSERT_EQ(idat.size(), at + 4);
        EXPECT_EQ(bigEndian(&idat[at]), b << 16 | a);
    }
}

TEST(Shots, TheTraceDriverShotsOfEachWindow) {
    trace::Trace t;
    std::ostringstream out;
    const struct {
        const char* name;
        const char* command;  // run first, if any
        const char* window;
        int width, height;  // 0: no such window open
    } rows[] = {
        {"the main window at start", "", "Form1", 303, 317},
        {"loaded", "load", "Form1", 303, 317},
        {"grown 200 twips for the menu bar, which takes 19 px", "click splash", "Form1", 303, 311},
        {"the about window before it opens", "", "Form2", 0, 0},
        {"the about window", "menu about", "Form2", 305, 209},
        {"the help window before it opens", "", "Form3", 0, 0},
        {"the help window", "menu hra", "Form3", 305, 217},
        {"no such window", "", "Form4", 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        t.execute(row.command, out);
        if (row.width == 0) {
            EXPECT_THROW(t.frameOf(row.window), std::invalid_argument);
            continue;
        }
        const tk::Frame frame = t.frameOf(row.window);
        EXPECT_EQ(frame.width, row.width);
        EXPECT_EQ(frame.height, row.height);
    }

    // A shot that cannot be written is reported with its line; the run goes on.
    std::string dirName =
        (std::filesystem::temp_directory_path() / "smashbol-shots-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(dirName.data()));
    const std::filesystem::path dir = dirName;
    const std::string good = (dir / "main.png").string();
    std::istringstream script("shot Form1 " + (dir / "missing" / "main.png").string() +
                              "\nshot Form1 " + good + "\nprint\n");
    std::ostringstream printed, errors;
    EXPECT_EQ(t.run(script, printed, errors), 1);
    const std::string reported = errors.str(), shown = printed.str();
    EXPECT_EQ(reported.rfind("line 1: cannot write ", 0), 0u) << reported;
    EXPECT_EQ(std::count(reported.begin(), reported.end(), '\n'), 1) << reported;
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 1) << "print ran";
    std::ifstream file(good, std::ios::binary);
    const std::vector<std::uint8_t> written{std::istreambuf_iterator<char>(file), {}};
    EXPECT_TRUE(written == tk::encodePng(t.frameOf("Form1"))) << "the window as it shows";
    std::filesystem::remove_all(dir);
}

}  // namespace
