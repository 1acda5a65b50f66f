// The settings file as the player may have edited it: what the game wrote reads back, anything
// else is the default with one line on standard error, and nothing is written unless a setting
// changes.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "desktop/views/preferences.h"

namespace {

TEST(PreferenceStore, ReadsWhatTheGameWritesAndTheDefaultForAnythingElse) {
    struct Row {
        const char* name;
        const char* ini;
        running::Settings expected;
        bool complains;
    };
    const Row rows[] = {
        {"as the game writes them",
         "[window]\nzoom=3\nfullscreen=true\n[game]\nautopause=false\nclassic-timing=true\n"
         "language=en\n[sound]\nmute=true\n",
         {3, true, false, true, true, "en"},
         false},
        {"nothing set", "", {}, false},
        {"zoom at the bounds", "[window]\nzoom=4\n", {.zoom = 4}, false},
        {"zoom past the bounds", "[window]\nzoom=5\n", {}, true},
        {"zoom of no number", "[window]\nzoom=big\n", {}, true},
        {"a flag neither true nor false", "[window]\nfullscreen=maybe\n", {}, true},
        {"a flag as a number", "[game]\nautopause=0\n", {.autoPause = false}, false},
        {"a language the game does not speak", "[game]\nlanguage=de\n", {}, true},
        {"a bad flag keeps its default true", "[game]\nautopause=yes please\n", {}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("smashbol.ini");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(row.ini);
        file.close();
        views::PreferenceStore store(path);
        testing::internal::CaptureStderr();
        const running::Settings loaded = store.load();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(loaded, row.expected);
        EXPECT_EQ(!said.empty(), row.complains) << said;
        EXPECT_LE(std::count(said.begin(), said.end(), '\n'), 1) << "one line: " << said;
        // Saving what was loaded writes nothing, so a hand-made file stays as it is.
        ASSERT_TRUE(store.save(loaded));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().toStdString(), row.ini);
        file.close();
    }
}

}  // namespace
