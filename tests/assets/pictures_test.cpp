// The pictures the windows show: their sizes, the orange every player stands on, the frames that
// are mirrors or copies of others.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
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

TEST(Pictures, WalkingLeftMirrorsWalkingRightAndTheStartPicturesMatchTheStandingFrames) {
    const std::pair<const char*, const char*> mirrors[] = {
        {"l1", "r1"}, {"l2", "r2"}, {"pr1", "pl1"}, {"pr2", "pl2"}};
    for (const auto& [left, right] : mirrors) {
        const assets::PictureAsset &a = picture(left), &b = picture(right);
        int differ = 0;
        for (int y = 0; y < a.height; ++y)
            for (int x = 0; x < a.width; ++x)
                differ += at(a, x, y) != at(b, a.width - 1 - x, y);
        EXPECT_EQ(differ, 0) << left;
    }
    EXPECT_EQ(std::memcmp(picture("man").rgba, picture("n").rgba, 4 * 20 * 26), 0)
        << "byte for byte";
    // pc's start picture is pn's pose in slightly other colours.
    int differ = 0, pose = 0;
    for (int y = 0; y < 27; ++y) {
        for (int x = 0; x < 20; ++x) {
            const Rgba a = at(picture("pc"), x, y), b = at(picture("pn"), x, y);
            differ += a != b;
            pose += (a == kCourtOrange) != (b == kCourtOrange);
        }
    }
    EXPECT_GT(differ, 0);
    EXPECT_EQ(pose, 0);
}

}  // namespace
