// A recording that cannot be written says so in one line and the game plays on. A recording
// written and replayed to the game's own end is the conformance table's (tests/conformance).
#include <QTemporaryDir>

#include "desktop/views/recording_file.h"

#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

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
