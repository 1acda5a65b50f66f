// The pictures the windows show: their sizes, the orange every player stands on, the court's
// lines, the score panel, and what each picture must visibly contain.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "assets/catalog.h"

namespace {

struct Pixel {
    int r, g, b, a;
    bool is(int rr, int gg, int bb) const { return r == rr && g == gg && b == bb; }
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

Pixel pixelAt(const assets::PictureAsset& p, int x, int y) {
    const std::uint8_t* q = p.rgba + (static_cast<std::size_t>(y) * p.width + x) * 4;
    return {q[0], q[1], q[2], q[3]};
}

const assets::PictureAsset& picture(const std::string& owner) {
    const assets::PictureAsset* p = assets::findPicture(owner);
    if (p == nullptr) {
        ADD_FAILURE() << "no picture for " << owner;
        static const std::uint8_t none[4] = {};
        static const assets::PictureAsset empty{"", 1, 1, none};
        return empty;
    }
    return *p;
}

// Counts the pixels of a region (inclusive corners) that satisfy `test`.
template <typename Test>
int count(const assets::PictureAsset& p, int x0, int y0, int x1, int y1, Test test) {
    int n = 0;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            n += test(pixelAt(p, x, y)) ? 1 : 0;
        }
    }
    return n;
}

bool isCourtOrange(const Pixel& c) {
    return c.is(255, 112, 0);
}
bool isBlueCloth(const Pixel& c) {
    return c.b > c.r + 80 && c.b > c.g + 60;
}
bool isGreenCloth(const Pixel& c) {
    return c.g > c.r + 80 && c.g > c.b + 60;
}
bool isBrownHair(const Pixel& c) {
    return c.r > c.g + 30 && c.g > c.b + 15 && c.r < 200;
}
bool isRacketFrame(const Pixel& c) {
    return c.r > 150 && c.g < 60 && c.b < 60;
}
bool isWhite(const Pixel& c) {
    return c.is(255, 255, 255);
}

const std::vector<std::string> kPlayerFrames = {"man", "n",   "Picture3", "r1", "r2",
                                                "l1",  "l2",  "pc",       "pn", "Picture2",
                                                "pl1", "pl2", "pr1",      "pr2"};

bool isHuman(const std::string& owner) {
    return owner == "man" || owner == "n" || owner == "Picture3" || owner[0] == 'r' ||
           owner[0] == 'l';
}

TEST(Pictures, EveryOwnerHasItsPixelSize) {
    struct Row {
        const char* owner;
        int width, height;
    };
    const Row rows[] = {
        {"Form1", 304, 312},
        {"Form1.Icon", 32, 32},
        {"Picture4", 250, 250},
        {"Picture1", 256, 271},
        {"man", 20, 26},
        {"n", 20, 26},
        {"Picture3", 20, 26},
        {"r1", 17, 24},
        {"r2", 17, 24},
        {"l1", 17, 24},
        {"l2", 17, 24},
        {"pc", 20, 27},
        {"pn", 20, 27},
        {"Picture2", 20, 27},
        {"pl1", 17, 24},
        {"pl2", 17, 24},
        {"pr1", 17, 24},
        {"pr2", 17, 24},
        {"Form2.Picture1(0)", 32, 32},
        {"Form2.Picture1(1)", 32, 32},
        {"Form2.Picture1(2)", 32, 32},
        {"Form2.Picture1(3)", 32, 32},
        {"Form2.Picture1(4)", 32, 32},
        {"Form2.Picture1(5)", 32, 32},
        {"Form2.Picture1(6)", 32, 32},
        {"Form2.Picture1(7)", 32, 32},
        {"Form3.Image1", 126, 77},
        {"Form3.Image2", 36, 31},
    };
    ASSERT_EQ(assets::allPictures().size(), std::size(rows));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.owner);
        const assets::PictureAsset* p = assets::findPicture(row.owner);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->owner, row.owner);
        EXPECT_EQ(p->width, row.width);
        EXPECT_EQ(p->height, row.height);
        EXPECT_NE(p->rgba, nullptr);
    }
    EXPECT_EQ(assets::findPicture("Picture5"), nullptr);
    EXPECT_EQ(assets::findPicture(""), nullptr);
}

TEST(Pictures, OnlyTheIconHasTransparentPixels) {
    for (const assets::PictureAsset& p : assets::allPictures()) {
        SCOPED_TRACE(std::string(p.owner));
        const int clear =
            count(p, 0, 0, p.width - 1, p.height - 1, [](const Pixel& c) { return c.a != 255; });
        if (p.owner == "Form1.Icon") {
            EXPECT_EQ(pixelAt(p, 0, 0).a, 0) << "the icon's corners show the desktop";
            EXPECT_EQ(pixelAt(p, 16, 16).a, 255);
            EXPECT_GT(clear, 100);
        } else {
            EXPECT_EQ(clear, 0) << "the game draws every picture as an opaque rectangle";
        }
    }
}

TEST(PlayerFrames, EveryBorderPixelIsTheCourtOrange) {
    for (const std::string& owner : kPlayerFrames) {
        SCOPED_TRACE(owner);
        const assets::PictureAsset& p = picture(owner);
        for (int x = 0; x < p.width; ++x) {
            EXPECT_TRUE(isCourtOrange(pixelAt(p, x, 0))) << "top row, x " << x;
            EXPECT_TRUE(isCourtOrange(pixelAt(p, x, p.height - 1))) << "bottom row, x " << x;
        }
        for (int y = 0; y < p.height; ++y) {
            EXPECT_TRUE(isCourtOrange(pixelAt(p, 0, y))) << "left column, y " << y;
            EXPECT_TRUE(isCourtOrange(pixelAt(p, p.width - 1, y))) << "right column, y " << y;
        }
    }
}

TEST(PlayerFrames, ShowAFigureInItsColoursWithHairAndRacket) {
    for (const std::string& owner : kPlayerFrames) {
        SCOPED_TRACE(owner);
        const assets::PictureAsset& p = picture(owner);
        const int all = p.width * p.height;
        const int figure = all - count(p, 0, 0, p.width - 1, p.height - 1,
                                       [](const Pixel& c) { return isCourtOrange(c); });
        EXPECT_GT(figure, all / 4) << "a figure, not an empty frame";
        EXPECT_LT(figure, all * 3 / 4) << "the figure stands on the orange";
        const int blue = count(p, 0, 0, p.width - 1, p.height - 1, isBlueCloth);
        const int green = count(p, 0, 0, p.width - 1, p.height - 1, isGreenCloth);
        if (isHuman(owner)) {
            EXPECT_GT(blue, 30) << "the human wears blue";
            EXPECT_EQ(green, 0);
        } else {
            EXPECT_GT(green, 30) << "the computer wears green";
            EXPECT_EQ(blue, 0);
        }
        // The hair is on top: brown pixels in the upper part of the frame.
        EXPECT_GT(count(p, 0, 0, p.width - 1, p.height / 3, isBrownHair), 15);
        EXPECT_GT(count(p, 0, 0, p.width - 1, p.height - 1, isRacketFrame), 6);
    }
}

TEST(PlayerFrames, StrikingFramesHoldTheRacketHigherThanStanding) {
    // The top row of racket frame pixels, per picture.
    auto racketTop = [](const assets::PictureAsset& p) {
        for (int y = 0; y < p.height; ++y) {
            if (count(p, 0, y, p.width - 1, y, isRacketFrame) > 0) {
                return y;
            }
        }
        return p.height;
    };
    EXPECT_LT(racketTop(picture("Picture3")) + 2, racketTop(picture("n")));
    EXPECT_LT(racketTop(picture("Picture2")) + 2, racketTop(picture("pc")));
    // Walking, the racket hangs low beside the legs.
    for (const char* walking : {"r1", "r2", "l1", "l2", "pl1", "pl2", "pr1", "pr2"}) {
        SCOPED_TRACE(walking);
        EXPECT_GT(racketTop(picture(walking)), picture(walking).height / 2);
    }
}

TEST(PlayerFrames, TheHumanStartsOnThePictureOfTheStandingFrame) {
    const assets::PictureAsset& man = picture("man");
    const assets::PictureAsset& n = picture("n");
    ASSERT_EQ(man.width * man.height, n.width * n.height);
    EXPECT_EQ(std::memcmp(man.rgba, n.rgba, static_cast<std::size_t>(n.width * n.height * 4)), 0);
}

TEST(PlayerFrames, TheComputersStandingFrameIsItsStartPoseInSlightlyOtherColours) {
    const assets::PictureAsset& pc = picture("pc");
    const assets::PictureAsset& pn = picture("pn");
    ASSERT_EQ(pc.width, pn.width);
    ASSERT_EQ(pc.height, pn.height);
    int differing = 0;
    for (int y = 0; y < pc.height; ++y) {
        for (int x = 0; x < pc.width; ++x) {
            const Pixel a = pixelAt(pc, x, y);
            const Pixel b = pixelAt(pn, x, y);
            EXPECT_EQ(isCourtOrange(a), isCourtOrange(b)) << "same pose at " << x << "," << y;
            if (a != b) {
                ++differing;
                EXPECT_LE(std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b), 30)
                    << "only a little off at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(differing, 0);
}

TEST(PlayerFrames, WalkingPairsDifferOnlyInTheHead) {
    const std::pair<const char*, const char*> pairs[] = {
        {"r1", "r2"}, {"l1", "l2"}, {"pl1", "pl2"}, {"pr1", "pr2"}};
    for (const auto& [first, second] : pairs) {
        SCOPED_TRACE(std::string(first) + " / " + second);
        const assets::PictureAsset& a = picture(first);
        const assets::PictureAsset& b = picture(second);
        int headChanges = 0, bodyChanges = 0;
        for (int y = 0; y < a.height; ++y) {
            for (int x = 0; x < a.width; ++x) {
                if (pixelAt(a, x, y) != pixelAt(b, x, y)) {
                    (y < 10 ? headChanges : bodyChanges)++;
                }
            }
        }
        EXPECT_GT(headChanges, 3) << "the head turns between the two frames";
        EXPECT_EQ(bodyChanges, 0) << "the body below the chin stays as it is";
    }
}

TEST(Court, SurfaceIsThePlayersOrangeAwayFromTheLines) {
    const assets::PictureAsset& court = picture("Picture1");
    const int lineRows[] = {8, 44, 136, 226, 262};
    const int lineColumns[] = {8, 247};
    auto nearLine = [&](int x, int y) {
        for (int r : lineRows) {
            if (std::abs(y - r) <= 1 && x >= 7 && x <= 248) {
                return true;
            }
        }
        for (int c : lineColumns) {
            if (std::abs(x - c) <= 1 && y >= 7 && y <= 263) {
                return true;
            }
        }
        return false;
    };
    int wrong = 0;
    for (int y = 0; y < court.height; ++y) {
        for (int x = 0; x < court.width; ++x) {
            if (!nearLine(x, y) && !isCourtOrange(pixelAt(court, x, y))) {
                ++wrong;
            }
        }
    }
    EXPECT_EQ(wrong, 0) << "off the lines the court is exactly RGB(255, 112, 0)";
}

TEST(Court, OnePixelCreamLinesAtTheirRowsAndColumns) {
    const assets::PictureAsset& court = picture("Picture1");
    auto cream = [](const Pixel& c) {
        return std::abs(c.r - 240) <= 16 && std::abs(c.g - 232) <= 16 && std::abs(c.b - 192) <= 30;
    };
    struct Row {
        const char* name;
        bool across;  // a row of pixels, else a column
        int at;
        int from, to;
    };
    const Row rows[] = {
        {"top boundary", true, 8, 8, 247},
        {"computer's service line", true, 44, 8, 247},
        {"net", true, 136, 8, 247},
        {"player's service line", true, 226, 8, 247},
        {"bottom boundary", true, 262, 8, 247},
        {"left side line", false, 8, 8, 262},
        {"right side line", false, 247, 8, 262},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (int i = row.from; i <= row.to; ++i) {
            const int x = row.across ? i : row.at;
            const int y = row.across ? row.at : i;
            ASSERT_TRUE(cream(pixelAt(court, x, y))) << "line pixel at " << x << "," << y;
        }
        // One pixel wide: the neighbours either side are orange, at most tinged by the chalk.
        const int mid = (row.from + row.to) / 2 + 3;
        for (int side : {-1, 1}) {
            const Pixel beside = row.across ? pixelAt(court, mid, row.at + side)
                                            : pixelAt(court, row.at + side, mid);
            EXPECT_FALSE(cream(beside));
            EXPECT_GE(beside.r, 240);
            EXPECT_LT(beside.g, 170) << "beside the line the surface shows";
        }
    }
    // No lengthwise line down the middle.
    EXPECT_EQ(count(court, 120, 50, 135, 130, isCourtOrange), 16 * 81);
}

TEST(Grass, BlackScorePanelInARedBrownFrame) {
    const assets::PictureAsset& grass = picture("Form1");
    EXPECT_EQ(count(grass, 47, 2, 259, 17, [](const Pixel& c) { return c.is(0, 0, 0); }), 213 * 16);
    auto redBrown = [](const Pixel& c) { return c.r >= 80 && c.r > c.g + 40 && c.r > c.b + 40; };
    for (int x = 45; x <= 261; ++x) {
        for (int y : {0, 1, 18, 19}) {
            ASSERT_TRUE(redBrown(pixelAt(grass, x, y))) << "frame at " << x << "," << y;
        }
    }
    for (int y = 0; y <= 19; ++y) {
        for (int x : {45, 46, 260, 261}) {
            ASSERT_TRUE(redBrown(pixelAt(grass, x, y))) << "frame at " << x << "," << y;
        }
    }
    // Grass just outside the frame.
    EXPECT_FALSE(redBrown(pixelAt(grass, 44, 10)));
    EXPECT_FALSE(redBrown(pixelAt(grass, 262, 10)));
    // Two short dark posts under the panel, above the court (which starts 24 pixels down).
    auto dark = [](const Pixel& c) { return c.r + c.g + c.b < 260 && c.g < c.r + 10; };
    int postColumns = 0;
    for (int x = 45; x <= 261; ++x) {
        postColumns += count(grass, x, 20, x, 23, dark) == 4 ? 1 : 0;
    }
    EXPECT_GE(postColumns, 2);
    EXPECT_LE(postColumns, 10);
}

TEST(Grass, MostlyGreenWithDarkerSpecksAndAYellowFigureEachSide) {
    const assets::PictureAsset& grass = picture("Form1");
    const int area = grass.width * (grass.height - 24);
    const int plain = count(grass, 0, 24, grass.width - 1, grass.height - 1,
                            [](const Pixel& c) { return c.is(0, 152, 16); });
    const int darker = count(grass, 0, 24, grass.width - 1, grass.height - 1, [](const Pixel& c) {
        return c.r < 40 && c.b < 40 && c.g < 152 && c.g > 60;
    });
    EXPECT_GT(plain, area * 7 / 10);
    EXPECT_GT(darker, area / 20);
    auto yellow = [](const Pixel& c) { return c.r > 180 && c.g > 150 && c.b < 80; };
    // The margins beside the court: 24 pixels on the left, x 281 to 302 on the right.
    EXPECT_GT(count(grass, 0, 120, 23, 200, yellow), 15) << "left spectator";
    EXPECT_GT(count(grass, 281, 120, 302, 200, yellow), 15) << "right spectator";
    EXPECT_GT(count(grass, 0, 120, 23, 200, isRacketFrame), 2);
    EXPECT_GT(count(grass, 281, 120, 302, 200, isRacketFrame), 2);
}

TEST(Splash, BallCardsAndDiceOnBlack) {
    const assets::PictureAsset& splash = picture("Picture4");
    const int all = splash.width * splash.height;
    const int black = count(splash, 0, 0, 249, 249, [](const Pixel& c) { return c.is(0, 0, 0); });
    EXPECT_GT(black, all / 4);
    auto ballFelt = [](const Pixel& c) { return c.g > 100 && c.r > c.b + 60 && c.g > c.b + 80; };
    EXPECT_GT(count(splash, 60, 60, 190, 190, ballFelt), 5000) << "a large yellow-green ball";
    auto paper = [](const Pixel& c) { return c.r > 235 && c.g > 235 && c.b > 215; };
    EXPECT_GT(count(splash, 0, 0, 249, 249, paper), 1500) << "playing cards";
    auto greenDie = [](const Pixel& c) { return c.g > 120 && c.r < 60 && c.b < 90; };
    auto redDie = [](const Pixel& c) { return c.r > 170 && c.g < 50 && c.b < 50; };
    EXPECT_GT(count(splash, 125, 160, 249, 249, greenDie), 300) << "the green die";
    EXPECT_GT(count(splash, 125, 160, 249, 249, redDie), 300) << "the red die";
    // The game writes "CLICK" in orange at the bottom left; it must stay readable there.
    EXPECT_EQ(count(splash, 16, 216, 72, 240, [](const Pixel& c) { return c.is(0, 0, 0); }),
              57 * 25);
}

TEST(Globe, DropsOntoItsShadowThenSquashes) {
    struct Box {
        int top = 99, bottom = -1, left = 99, right = -1;
    };
    auto globeBox = [](const assets::PictureAsset& p) {
        Box box;
        for (int y = 0; y < p.height; ++y) {
            for (int x = 0; x < p.width; ++x) {
                const Pixel c = pixelAt(p, x, y);
                const bool grey = c.r == c.g && c.g == c.b;
                if (!grey) {
                    box = {std::min(box.top, y), std::max(box.bottom, y), std::min(box.left, x),
                           std::max(box.right, x)};
                }
            }
        }
        return box;
    };
    std::vector<Box> boxes;
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        const assets::PictureAsset& p = picture("Form2.Picture1(" + std::to_string(i) + ")");
        EXPECT_TRUE(isWhite(pixelAt(p, 0, 0)));
        EXPECT_TRUE(isWhite(pixelAt(p, 31, 0)));
        const int shadow = count(p, 0, 20, 31, 31, [](const Pixel& c) {
            return c.r == c.g && c.g == c.b && c.r >= 96 && c.r <= 200;
        });
        EXPECT_GT(shadow, 4) << "a grey shadow under the globe";
        boxes.push_back(globeBox(p));
    }
    for (int i = 1; i <= 5; ++i) {
        EXPECT_GE(boxes[i].bottom, boxes[i - 1].bottom) << "frame " << i << " not higher";
        EXPECT_NEAR(boxes[i].bottom - boxes[i].top, boxes[0].bottom - boxes[0].top, 1)
            << "round while it falls, frame " << i;
    }
    EXPECT_GT(boxes[5].bottom, boxes[0].bottom + 8) << "it comes down a good way";
    const auto height = [&](int i) { return boxes[i].bottom - boxes[i].top; };
    const auto width = [&](int i) { return boxes[i].right - boxes[i].left; };
    EXPECT_LT(height(6), height(5));
    EXPECT_GT(width(6), width(5));
    EXPECT_LT(height(7), height(6) - 3) << "squashed flat";
    EXPECT_GT(width(7), width(6));
}

TEST(Keys, GreyKeysWithBlackAndRedArrowsOnWhite) {
    const assets::PictureAsset& cursor = picture("Form3.Image1");
    const assets::PictureAsset& p = picture("Form3.Image2");
    auto black = [](const Pixel& c) { return c.is(0, 0, 0); };
    auto red = [](const Pixel& c) { return c.r > 180 && c.g < 40 && c.b < 40; };
    auto grey = [](const Pixel& c) { return c.r == c.g && c.g == c.b && c.r > 150 && c.r < 240; };
    EXPECT_TRUE(isWhite(pixelAt(cursor, 0, 0))) << "white beside the up key";
    EXPECT_TRUE(isWhite(pixelAt(cursor, 125, 0)));
    struct Key {
        const char* name;
        int x0, y0;
        bool redArrow;
    };
    const Key keys[] = {{"up", 43, 0, false},
                        {"left", 0, 40, true},
                        {"down", 43, 40, false},
                        {"right", 86, 40, true}};
    for (const Key& key : keys) {
        SCOPED_TRACE(key.name);
        const int x1 = key.x0 + 39, y1 = key.y0 + 36;
        EXPECT_GT(count(cursor, key.x0, key.y0, x1, y1, grey), 600);
        EXPECT_GT(count(cursor, key.x0, key.y0, x1, y1, key.redArrow ? red : black), 40);
        EXPECT_EQ(count(cursor, key.x0, key.y0, x1, y1, key.redArrow ? black : red), 0);
    }
    EXPECT_TRUE(isWhite(pixelAt(p, 0, 0)));
    EXPECT_GT(count(p, 0, 0, 35, 30, grey), 400);
    EXPECT_GT(count(p, 8, 5, 28, 24, black), 40) << "the letter P";
}

}  // namespace
