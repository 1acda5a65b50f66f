// The text pixel art reader: what the art files may say, and how it tells the artist where a
// picture went wrong.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "assets/gen/clips.h"
#include "assets/gen/pixel_art.h"

namespace {

using assetgen::parseArt;
using assetgen::rgb;

const std::string kLegend =
    "# two colours\n"
    "legend\n"
    ". 255 112 0  ground\n"
    "x 10 20 30   ink\n"
    "_ transparent\n"
    "end\n";

TEST(PixelArt, ReadsPicturesCopiesMirrorsAndVariants) {
    const auto pictures = parseArt(kLegend +
                                       "picture a 3 2\n"
                                       "x._\n"
                                       "..x\n"
                                       "copy b a\n"
                                       "mirror c a\n"
                                       "variant d a\n"
                                       "x 11 20 30\n"
                                       "end\n",
                                   "test.txt");
    ASSERT_EQ(pictures.size(), 4u);
    const auto a = pictures[0].render();
    EXPECT_EQ(a.width(), 3);
    EXPECT_EQ(a.height(), 2);
    EXPECT_EQ(a.at(0, 0), rgb(10, 20, 30));
    EXPECT_EQ(a.at(1, 0), rgb(255, 112, 0));
    EXPECT_EQ(a.at(2, 0).a, 0) << "transparent";

    EXPECT_EQ(pictures[1].name, "b");
    EXPECT_EQ(pictures[1].rows, pictures[0].rows);

    const auto c = pictures[2].render();
    EXPECT_EQ(c.at(2, 0), rgb(10, 20, 30)) << "mirrored left to right";
    EXPECT_EQ(c.at(0, 1), rgb(10, 20, 30));

    const auto d = pictures[3].render();
    EXPECT_EQ(d.at(0, 0), rgb(11, 20, 30)) << "the variant's own colour";
    EXPECT_EQ(d.at(1, 0), rgb(255, 112, 0)) << "the rest as in the source";
    EXPECT_EQ(a.at(0, 0), rgb(10, 20, 30)) << "the source keeps its colour";
}

TEST(PixelArt, FaultsNameTheFileAndLine) {
    struct Row {
        const char* name;
        std::string text;
        const char* says;
    };
    const Row rows[] = {
        {"row too short", kLegend + "picture a 3 2\nx..\n..\n", "art.txt:9: row 1 of a is 2 wide"},
        {"too few rows", kLegend + "picture a 3 2\nx..\n", "too few rows"},
        {"unknown character", kLegend + "picture a 2 1\nxq\n", "art.txt:8: character 'q'"},
        {"unknown source", kLegend + "copy b a\n", "no picture named 'a'"},
        {"bad level", "legend\nx 300 0 0\nend\n", "art.txt:2: a legend entry needs"},
        {"unended legend", "legend\nx 1 2 3\n", "legend without end"},
        {"unknown keyword", "frame a 1 1\n", "unknown keyword 'frame'"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            parseArt(row.text, "art.txt");
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(row.says), std::string::npos) << e.what();
        }
    }
}

TEST(WaveImage, OddSampleDataIsPaddedInsideTheRiffLength) {
    assetgen::ClipLayout layout;
    layout.dataBytes = 3;
    const auto wave = assetgen::waveImage(layout, {128, 130, 126});
    // 12 header + 26 format + 12 fact + 8 data header + 3 samples + 1 pad.
    ASSERT_EQ(wave.size(), 62u);
    EXPECT_EQ(wave[4], 54) << "RIFF length counts the pad byte";
    EXPECT_EQ(wave[58], 128);
    EXPECT_EQ(wave[61], 0);

    layout.strayBytes = 2;
    const auto stray = assetgen::waveImage(layout, {128, 130, 126});
    EXPECT_EQ(stray.size(), 64u);
    EXPECT_EQ(stray[4], 54) << "stray bytes lie past the declared end";
}

}  // namespace
