// The settings file as the player may have edited it, through the desktop's file: each value the
// game cannot read said in one line on standard error (which values those are is the running
// game's reader's test), and nothing written unless a setting changes (what a change writes: the
// window manager's test's settings menu).
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "desktop/views/preferences.h"

namespace {

TEST(PreferenceStore, SaysWhatItCannotReadAndWritesOnlyAChange) {
    struct Row {
        const char* name;
        const char* ini;
        running::Settings expected;
        int complaints;
    };
    const Row rows[] = {
        {"as the game writes them",
         "[window]\nzoom=3\nfullscreen=true\n[game]\nautopause=false\nclassic-timing=true\n"
         "language=en\n[sound]\nmute=true\n",
         {3, true, false, true, true, "en"},
         0},
        {"nothing set", "", {}, 0},
        {"a bad zoom and a bad flag", "[window]\nzoom=big\n[game]\nautopause=yes please\n", {}, 2},
        {"a language the game does not speak", "[game]\nlanguage=de\n", {}, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        QFile file(dir.filePath("smashbol.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(row.ini) >= 0);
        file.close();
        views::PreferenceStore store(file.fileName());
        testing::internal::CaptureStderr();
        const running::Settings loaded = store.load();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(loaded, row.expected);
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), row.complaints) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '='), row.complaints) << "key=value each";
        // Saving what was loaded writes nothing, so a hand-made file stays as it is.
        ASSERT_TRUE(store.save(loaded));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().toStdString(), row.ini);
        file.close();
    }
}

}  // namespace
