// The desktop's own files. The settings file as the player may have edited it: each value the
// game cannot read said in one line on standard error (which values those are is the running
// game's reader's test), and nothing written unless a setting changes (what a change writes: the
// window manager's test's settings menu). A recording that cannot be written says so in one line
// and the game plays on (one written and replayed to the game's own end is the conformance
// table's, tests/conformance).
#include <QFile>
#include <QTemporaryDir>

#include "desktop/views/preferences.h"
#include "desktop/views/recording_file.h"

#include "tests/qt/window_fixture.h"

namespace qt_tests {
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

// The intro's rally and a match chosen through the window, recorded to `path`: the recording
// goes on after a failure, which must say nothing more.
void playRecorded(const QString& path) {
    views::GameWindows windows(running::Options{{}, {}, 7});
    const std::unique_ptr<views::RecordingFile> file = views::RecordingFile::open(path);
    if (file)
        windows.game().recordTo(*file, path.toStdString());
    windows.start();
    QTest::mouseClick(&windows.mainWindow().canvas(), Qt::LeftButton, {}, QPoint(150, 150));
    QTest::qWait(300);
    windows.mainWindow().menus().action("hard")->trigger();
    QTest::qWait(100);
    windows.game().finishRecording();
}

TEST(Recording, AFileThatCannotBeWrittenSaysSoInOneLine) {
    QTemporaryDir folder;
    struct Row {
        const char* name;
        QString path;
        const char* complaint;  // the one line on standard error
    };
    const Row rows[] = {
        {"a folder that is not there", folder.filePath("no/s.trace"), "cannot record to"},
        {"a full disk", "/dev/full", "recording to /dev/full stopped"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testing::internal::CaptureStderr();
        playRecorded(row.path);
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_NE(errors.find(row.complaint), std::string::npos) << errors;
        EXPECT_EQ(errors.find("smashbol:"), errors.rfind("smashbol:")) << "one line: " << errors;
    }
}

}  // namespace
}  // namespace qt_tests
