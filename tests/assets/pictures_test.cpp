// The pictures the windows show: their sizes, the orange every player stands on, the frames that
// are mirrors or copies of others.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>

#include "assets/catalog.h"

namespace {

struct Rgba {
    int r, g, b, a;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

Rgba at(const assets::PictureAsset& p, int x, int y) {
    const std::uint8_t* q = p.rgba + (static_cast<std::size_t>(y) * p.width + x) * 4;
    return {q[0], q[1], q[2], q[3]};
}

const assets::PictureAsset& picture(const std::string& owner) {
    const assets::PictureAsset* p = assets::findPicture(owner);
    if (!p)
        throw std::runtime_error("no picture for " + owner);
    return *p;
}

const Rgba kCourtOrange{255, 112, 0, 255};

// Only the icon has see-through pixels. The court's surface is the orange the sprites are drawn
// on, so a player looks cut out: every border pixel of a sprite is that orange.
TEST(Pictures, EveryOwnerHasItsSizeAndThePlayersStandOnTheCourtsOrange) {
    struct Row {
        const char* owners;
        int width, height;
        bool sprite = false;
    } rows[] = {
        {"Form1", 304, 312},
        {"Picture4", 250, 250},
        {"Picture1", 256, 271},
        {"man n Picture3", 20, 26, true},
        {"pc pn Picture2", 20, 27, true},
        {"r1 r2 l1 l2 pl1 pl2 pr1 pr2", 17, 24, true},
        {"Form1.Icon Form2.Picture1(0) Form2.Picture1(1) Form2.Picture1(2) Form2.Picture1(3) "
         "Form2.Picture1(4) Form2.Picture1(5) Form2.Picture1(6) Form2.Picture1(7)",
         32, 32},
        {"Form3.Image1", 126, 77},
        {"Form3.Image2", 36, 31},
    };
    std::size_t count = 0;
    for (const Row& row : rows) {
        std::istringstream owners(row.owners);
        for (std::string owner; owners >> owner; ++count) {
            SCOPED_TRACE(owner);
            const assets::PictureAsset& p = picture(owner);
            EXPECT_EQ(p.width, row.width);
            EXPECT_EQ(p.height, row.height);
            int clear = 0, border = 0, figure = 0;
            for (int y = 0; y < p.height; ++y)
                for (int x = 0; x < p.width; ++x) {
                    const bool edge = x == 0 || y == 0 || x == p.width - 1 || y == p.height - 1;
                    clear += at(p, x, y).a != 255;
                    border += edge && at(p, x, y) == kCourtOrange;
                    figure += at(p, x, y) != kCourtOrange;
                }
            EXPECT_EQ(clear > 0, owner == "Form1.Icon") << clear << " transparent pixels";
            if (row.sprite) {
                EXPECT_EQ(border, 2 * (p.width + p.height) - 4) << "every border pixel";
                EXPECT_GT(figure, p.width * p.height / 4) << "a figure, not an empty frame";
            }
        }
    }
    EXPECT_EQ(assets::allPictures().size(), count);
    EXPECT_EQ(assets::findPicture("Picture5"), nullptr);
    EXPECT_EQ(at(picture("Picture1"), 128, 90), kCourtOrange);
}

// The walking frames left are the ones right mirrored; the player's start picture is his
// standing frame byte for byte, the computer's is its standing pose in slightly other colours.
TEST(Pictures, WalkingLeftMirrorsWalkingRightAndTheStartPicturesMatchTheStandingFrames) {
    const struct Row {
        const char *a, *b;
        bool mirrored, sameColours;
    } rows[] = {{"l1", "r1", true, true},   {"l2", "r2", true, true},  {"pr1", "pl1", true, true},
                {"pr2", "pl2", true, true}, {"man", "n", false, true}, {"pc", "pn", false, false}};
    for (const Row& row : rows) {
        const assets::PictureAsset &a = picture(row.a), &b = picture(row.b);
        ASSERT_TRUE(a.width == b.width && a.height == b.height) << row.a;
        int differ = 0, pose = 0;
        for (int y = 0; y < a.height; ++y)
            for (int x = 0; x < a.width; ++x) {
                const Rgba p = at(a, x, y), q = at(b, row.mirrored ? a.width - 1 - x : x, y);
                differ += p != q;
                pose += (p == kCourtOrange) != (q == kCourtOrange);
            }
        EXPECT_EQ(differ == 0, row.sameColours) << row.a << ": " << differ << " pixels differ";
        EXPECT_EQ(pose, 0) << row.a;
    }
}

}  // namespace
