// The renderer on small hand-made scenes: the order of the layers, children cut off at their
// container's client area, twips rounded to pixels, lines, the ball's circle, where self-sizing
// labels sit and which control a click lands on. Then the PNG files shots are written as.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <list>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "assets/embedded_glyphs.h"
#include "flow/session.h"
#include "toolkit/render/png.h"
#include "toolkit/render/renderer.h"
#include "toolkit/render/text.h"
#include "tools/trace/scripted_host.h"

namespace {

using tk::ref;

const tk::Renderer kRenderer{tk::GlyphFaces(assets::glyphFaces())};

constexpr tk::Color kRed = tk::RGB(255, 0, 0), kBlue = tk::RGB(0, 0, 255),
                    kYellow = tk::RGB(255, 255, 0), kGreen = tk::RGB(0, 160, 0),
                    kWhite = tk::kWhite, kBlack = tk::kBlack;

constexpr auto px = [](int pixels) { return static_cast<float>(pixels) * tk::kTwipsPerPixel; };

// A picture of one colour; its bytes live as long as the tests.
tk::Picture solidPicture(int width, int height, tk::Color color) {
    static std::list<std::vector<std::uint8_t>> kept;
    std::vector<std::uint8_t>& bytes = kept.emplace_back();
    for (int i = 0; i < width * height * 4; ++i)  // the colour's bytes are red, green, blue
        bytes.push_back(static_cast<std::uint8_t>(i % 4 == 3 ? 255 : color >> i % 4 * 8));
    return tk::Picture(
        std::make_shared<const tk::Image>(tk::Image{"", width, height, bytes.data()}));
}

// A control at its place in pixels; a shape filled with the colour, a box's back in it.
template <typename Kind>
Kind placed(const char* name, int left, int top, int width, int height, tk::Color color = kRed) {
    Kind c;
    tk::place(c, name, px(left), px(top), px(width), px(height));
    if constexpr (std::is_same_v<Kind, tk::Shape>) {
        c.filled = true;
        c.FillColor = c.BorderColor = color;
    } else if constexpr (std::is_same_v<Kind, tk::PictureBox>) {
        c.BackColor = color;
    }
    return c;
}

// A window of these controls, with its picture and its drawing.
tk::Scene sceneOf(std::vector<tk::ControlRef> controls, tk::Picture picture = {},
                  const tk::Surface* drawing = nullptr) {
    return {tk::kWhite, std::move(picture), drawing, std::move(controls), {}};
}

TEST(Renderer, LayersOfAWindow) {
    // Everything covers the pixel (5, 5) of a 12 x 12 window.
    auto a = placed<tk::PictureBox>("A", 0, 0, 10, 10, kRed);
    auto b = placed<tk::PictureBox>("B", 3, 3, 8, 8, kBlue);
    auto label = placed<tk::Label>("L", 0, 0, 10, 10);
    label.transparent = false;
    label.BackColor = kYellow;
    auto shape = placed<tk::Shape>("S", 2, 2, 8, 8, kGreen);
    tk::LineControl line{"I", 0, px(5), px(11), px(5), kBlack};
    tk::Surface drawing;
    drawing.Line(px(5), 0, px(5), px(11), kRed);
    const tk::Picture picture = solidPicture(12, 12, kBlue);
    // The window's colour; its picture over it, its drawing over that and a control over the
    // drawing; a picture box over a label listed before it; the earlier of two boxes, of a label
    // and a shape and of a line and a label on top.
    const std::pair<tk::Scene, tk::Color> rows[] = {
        {sceneOf({}), kWhite},
        {sceneOf({}, picture), kBlue},
        {sceneOf({}, picture, &drawing), kRed},
        {sceneOf({ref(shape)}, picture, &drawing), kGreen},
        {sceneOf({ref(label), ref(a)}), kRed},
        {sceneOf({ref(a), ref(b)}), kRed},
        {sceneOf({ref(label), ref(shape)}), kYellow},
        {sceneOf({ref(line), ref(label)}), kBlack}};
    for (const auto& [scene, seen] : rows)
        EXPECT_EQ(kRenderer.render(scene, 12, 12).at(5, 5), tk::pixelOf(seen))
            << &scene - &rows[0].first;
}

TEST(Renderer, ChildrenStopAtTheirContainersClientArea) {
    // A box at (10, 20), 30 x 40 pixels, with no border, a flat one or a 3-D one; its child, far
    // larger, reaches past every side. Nested, the child is a borderless box wider than the
    // client area, holding the shape. Each border's first and last pixels inside it and the ones
    // beside them: the border itself (the 3-D one's inner dark and face lines) or the window.
    // Below the inner box shows the outer box's picture, from its client area's corner.
    auto box = placed<tk::PictureBox>("P", 10, 20, 30, 40, kBlue);
    box.setPicture(solidPicture(4, 8, kGreen));
    auto inner = placed<tk::PictureBox>("N", -5, -5, 50, 10, kYellow);
    auto child = placed<tk::Shape>("S", -20, -20, 100, 100);
    const tk::Color dark = tk::RGB(64, 64, 64), face = tk::RGB(212, 208, 200);
    const std::tuple<int, bool, int, int, tk::Color> rows[] = {
        {0, false, 10, 20, kRed},   {0, false, 9, 20, kWhite},  {0, false, 39, 59, kRed},
        {0, false, 40, 59, kWhite}, {1, false, 11, 21, kRed},   {1, false, 10, 21, kBlack},
        {1, false, 38, 58, kRed},   {1, false, 38, 59, kBlack}, {1, false, 40, 58, kWhite},
        {2, false, 12, 22, kRed},   {2, false, 11, 22, dark},   {2, false, 37, 57, kRed},
        {2, false, 38, 57, face},   {1, true, 11, 21, kRed},    {1, true, 10, 21, kBlack},
        {1, true, 38, 21, kRed},    {1, true, 39, 21, kBlack},  {1, true, 14, 28, kGreen},
        {1, true, 15, 28, kBlue},   {1, true, 14, 29, kBlue}};
    for (const auto& [border, nested, x, y, seen] : rows) {
        box.borderPx = border;
        tk::Scene scene = sceneOf({ref(box)});
        scene.childrenOf = [&](const tk::PictureBox& of) {  // the box's and the inner box's
            return std::vector{&of == &box && nested ? ref(inner) : ref(child)};
        };
        EXPECT_EQ(kRenderer.render(scene, 50, 70).at(x, y), tk::pixelOf(seen))
            << "border " << border << (nested ? ", nested," : "") << " at " << x << "," << y;
    }
}

TEST(Renderer, TwipsRoundToTheNearestPixelHalvesUp) {
    const std::pair<float, int> rows[] = {{7, 0},     {7.5f, 1},  {8, 1},     {22, 1},
                                          {22.5f, 2}, {37.5f, 3}, {-7.5f, 0}, {-8, -1}};
    for (const auto& [twips, pixels] : rows)
        EXPECT_EQ(tk::pixels(twips), pixels) << twips << " twips";
}

TEST(Renderer, LinesCoverBothEndsWhicheverWayTheyGo) {
    const std::tuple<int, int, int, int> rows[] = {{1, 3, 6, 3}, {6, 3, 1, 3}, {4, 6, 4, 1},
                                                   {1, 1, 6, 6}, {6, 6, 1, 1}, {6, 5, 1, 2},
                                                   {2, 6, 4, 0}, {3, 3, 3, 3}};
    for (const auto& [x1, y1, x2, y2] : rows) {
        tk::LineControl line{"Line1", px(x1), px(y1), px(x2), px(y2), kBlue};
        const tk::Frame frame = kRenderer.render(sceneOf({ref(line)}), 8, 8);
        const tk::Pixel blue = tk::pixelOf(kBlue);
        // Both ends, and one pixel a step between them.
        EXPECT_TRUE(frame.at(x1, y1) == blue && frame.at(x2, y2) == blue &&
                    std::ranges::count(frame.pixels, blue) ==
                        std::max(std::abs(x2 - x1), std::abs(y2 - y1)) + 1)
            << x1 << "," << y1 << " to " << x2 << "," << y2;
    }
}

TEST(Renderer, TheBallIsANineByNineCircle) {
    const flow::Session<trace::ScriptedHost> session;
    tk::Shape ball = session.form.ball;  // 135 twips, black outline, pale green fill
    ball.Left = ball.Top = px(1);
    ball.Visible = true;
    const tk::Frame frame = kRenderer.render(sceneOf({ref(ball)}), 11, 11);
    const tk::Pixel marks[] = {tk::pixelOf(kWhite), tk::pixelOf(kBlack),
                               tk::pixelOf(tk::RGB(128, 255, 128))};
    std::vector<std::string> seen(11);
    for (std::size_t i = 0; i < frame.pixels.size(); ++i)
        seen[i / 11] += ".#o?"[std::ranges::find(marks, frame.pixels[i]) - marks];
    EXPECT_EQ(seen,
              (std::vector<std::string>{"...........", "....###....", "...#ooo#...", "..#ooooo#..",
                                        ".#ooooooo#.", ".#ooooooo#.", ".#ooooooo#.", "..#ooooo#..",
                                        "...#ooo#...", "....###....", "..........."}));
}

// A self-sizing label takes its text's width: a left-aligned one keeps its left edge, a
// right-aligned one its right edge and a centred one its middle, half a pixel to the right when
// the text's cannot meet it. A click lands on it only on its text.
TEST(Renderer, SelfSizingLabelsKeepTheirEdgeOrMiddle) {
    using A = tk::Alignment;
    const std::tuple<A, int, int, int> rows[] = {
        // Where the label is and how wide, and the edge it keeps or twice its middle.
        {A::Left, 80, 48, 80},
        {A::Right, 136, 8, 144},
        {A::Center, 0, 15, 15}};
    for (const auto& [alignment, left, width, at] : rows) {
        auto label = placed<tk::Label>("L", left, 2, width, 13);
        label.alignment = alignment;
        label.AutoSize = true;
        label.Caption = "10";
        const tk::GlyphFace& face = *kRenderer.faces().faceFor(label.font);
        const int w = tk::Typesetter(face).width(tk::lettersOf(label.Caption));
        const int x[] = {at, at - w, (at - w + 1) >> 1};  // left, right, centred
        const tk::Rect r = kRenderer.labelRect(label);
        EXPECT_EQ(r, (tk::Rect{x[static_cast<int>(alignment)], 2, w, face.height()}))
            << at << ", " << w << " px";
        const tk::Scene scene = sceneOf({ref(label)});
        EXPECT_TRUE(kRenderer.controlAt(scene, r.right() - 1, 2) == &label &&
                    !kRenderer.controlAt(scene, r.right(), 2));
    }
}

TEST(Renderer, AClickLandsOnTheTopmostControl) {
    // Q over the top-right of P; P's child C reaches past P's border at its top-left corner.
    auto q = placed<tk::PictureBox>("Q", 20, 0, 20, 20);
    auto p = placed<tk::PictureBox>("P", 0, 0, 30, 30);
    p.borderPx = 1;
    auto c = placed<tk::Label>("C", -2, -2, 7, 7);
    auto hiddenChild = placed<tk::Label>("H", 10, 10, 5, 5);
    hiddenChild.Visible = false;
    auto shape = placed<tk::Shape>("V", 20, 20, 5, 5);
    auto hiddenBox = placed<tk::PictureBox>("Hb", 0, 40, 10, 10);
    hiddenBox.Visible = false;
    auto under = placed<tk::Label>("U", 0, 40, 10, 10);
    tk::Scene scene = sceneOf({ref(q), ref(p), ref(hiddenBox), ref(under)});
    scene.childrenOf = [&](const tk::PictureBox& of) {
        return &of == &p ? std::vector{ref(c), ref(hiddenChild), ref(shape)}
                         : std::vector<tk::ControlRef>{};
    };
    // The earlier of two boxes; a box's child before the box; the border, where the child
    // reaches; a hidden child and a shape in the box: the box; the box's last pixel and past it;
    // a hidden box: what lies under it.
    const std::tuple<int, int, const char*> rows[] = {{25, 5, "Q"},  {1, 1, "C"},   {0, 0, "P"},
                                                      {12, 12, "P"}, {22, 22, "P"}, {29, 29, "P"},
                                                      {30, 29, ""},  {5, 45, "U"}};
    for (const auto& [x, y, control] : rows) {
        const tk::Control* hit = kRenderer.controlAt(scene, x, y);
        EXPECT_EQ(hit ? hit->name : "", control) << x << "," << y;
    }
}

std::uint32_t bigEndian(const std::uint8_t* b) {
    return std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 | std::uint32_t{b[2]} << 8 | b[3];
}

// 8-bit RGB without colour-space chunks, in stored deflate blocks (more than one for this frame);
// each chunk's CRC and the Adler-32 of the rows checked.
TEST(Shots, PngHoldsTheFramesValuesAsTheyAre) {
    tk::Frame frame(200, 120);
    std::vector<std::uint8_t> raw;  // each row: filter 0, then red, green, blue of every pixel
    for (std::size_t i = 0; i < frame.pixels.size(); ++i) {
        frame.pixels[i] = 0xFF000000u | static_cast<tk::Pixel>(i * 0x9E3779B9u);  // any colours
        if (i % 200 == 0)
            raw.push_back(0);
        for (const int shift : {16, 8, 0})
            raw.push_back(static_cast<std::uint8_t>(frame.pixels[i] >> shift));
    }
    const std::vector<std::uint8_t> png = tk::encodePng(frame);
    ASSERT_TRUE(png.size() > 8 && std::string(png.begin(), png.begin() + 8) == "\x89PNG\r\n\x1A\n");
    std::string types;
    std::vector<std::uint8_t> header, idat;
    for (std::size_t at = 8; at + 12 <= png.size(); at += 12 + bigEndian(&png[at])) {
        const std::uint8_t* chunk = &png[at];
        const std::uint32_t length = bigEndian(chunk);
        ASSERT_LE(at + 12 + length, png.size());
        const std::string type(chunk + 4, chunk + 8);
        types += type + " ";
        std::uint32_t crc = 0xFFFFFFFFu;  // over the type and the data, a bit at a time
        for (std::uint32_t bit = 4 * 8; bit < (8 + length) * 8; ++bit)
            crc = (crc ^ chunk[bit / 8] >> bit % 8) & 1 ? crc >> 1 ^ 0xEDB88320u : crc >> 1;
        EXPECT_EQ(bigEndian(chunk + 8 + length), ~crc) << type;
        std::vector<std::uint8_t>& data = type == "IHDR" ? header : idat;
        data.insert(data.end(), chunk + 8, chunk + 8 + length);
    }
    EXPECT_EQ(types, "IHDR IDAT IEND ");
    // Width, height, 8 bits of RGB, deflated, filtered by rows, not interlaced.
    EXPECT_EQ(header, (std::vector<std::uint8_t>{0, 0, 0, 200, 0, 0, 0, 120, 8, 2, 0, 0, 0}));
    ASSERT_TRUE(idat.size() >= 6 && (idat[0] & 0x0F) == 8 && (idat[0] << 8 | idat[1]) % 31 == 0)
        << "a zlib stream";
    std::vector<std::uint8_t> stored;
    std::size_t at = 2;
    for (bool last = false; !last && at + 5 <= idat.size();) {
        const unsigned length = idat[at + 1] | idat[at + 2] << 8;
        ASSERT_TRUE(idat[at] <= 1 && at + 5 + length <= idat.size()) << "a stored block";
        EXPECT_EQ(length ^ (idat[at + 3] | idat[at + 4] << 8), 0xFFFFu);
        stored.insert(stored.end(), idat.begin() + at + 5, idat.begin() + at + 5 + length);
        last = idat[at] == 1;
        at += 5 + length;
    }
    EXPECT_TRUE(stored == raw);
    std::uint32_t a = 1, b = 0;
    for (const std::uint8_t byte : stored)
        b = (b + (a = (a + byte) % 65521)) % 65521;
    ASSERT_EQ(idat.size(), at + 4);
    EXPECT_EQ(bigEndian(&idat[at]), b << 16 | a);
}

}  // namespace
