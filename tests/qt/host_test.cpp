// The real host's own answers: resources, pictures, the random source.
#include <set>

#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

TEST(QtHost, LoadsTheEightClipsAndNothingElse) {
    assets::EmbeddedResources resources;
    tkqt::QtHost host(resources, "SMASHBOL 2002");
    struct Row {
        const char* name;
        int id;
        const char* type;
        int error;
    };
    const Row rows[] = {{"clip 1", 1, "RESTYPE", 0},
                        {"clip 8", 8, "RESTYPE", 0},
                        {"no clip 9", 9, "RESTYPE", 326},
                        {"no clip 0", 0, "RESTYPE", 326},
                        {"another type", 2, "WAVE", 326}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const tk::Resource resource = host.LoadResData(row.id, row.type);
        EXPECT_EQ(resource.error, row.error);
        if (row.error == 0) {
            ASSERT_GE(resource.bytes.size(), 12u);
            EXPECT_EQ(std::string(resource.bytes.begin(), resource.bytes.begin() + 4), "RIFF");
        }
    }
}

TEST(QtHost, APictureIsOneSharedHandlePerOwner) {
    assets::EmbeddedResources resources;
    tkqt::QtHost host(resources, "SMASHBOL 2002");
    const tk::Picture n = host.picture("n");
    EXPECT_EQ(host.picture("n"), n);
    EXPECT_NE(host.picture("man"), n) << "alike pixel for pixel, still two pictures";
    EXPECT_EQ(n.owner(), "n");
    EXPECT_EQ(n.widthPx(), 20);
    EXPECT_TRUE(host.picture("no such owner").empty());
    const QImage& image = host.pictureCache().image(n);
    EXPECT_EQ(image.size(), QSize(20, 26));
    EXPECT_EQ(&host.pictureCache().image(n), &image) << "converted once";
}

TEST(QtHost, RndStaysBelowOneAndVaries) {
    assets::EmbeddedResources resources;
    tkqt::QtHost host(resources, "SMASHBOL 2002");
    host.Randomize();
    std::set<float> seen;
    for (int i = 0; i < 10000; ++i) {
        const float r = host.Rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        seen.insert(r);
    }
    EXPECT_GT(seen.size(), 9000u);
    int strokeClips[4] = {};
    for (float r : seen)
        ++strokeClips[static_cast<int>(r * 4)];  // the game's pick of a stroke clip
    for (int count : strokeClips)
        EXPECT_GT(count, 2000);
}

}  // namespace
}  // namespace qt_tests
