// A session recorded to a file (--record) through the windows' own paths, replayed without a
// window to the state the game ended in; a file that cannot be written says so in one line.
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

#include "desktop/views/recording_file.h"
#include "tools/trace/trace.h"

#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

// The intro with its strokes, the about window with the game's ticks behind it, a match's start
// and a key, all through the window, recorded to `path`.
void playRecorded(const QString& path) {
    views::GameWindows windows(running::Options{{}, {}, 7});
    const std::unique_ptr<views::RecordingFile> file = views::RecordingFile::open(path);
    if (file)
        windows.game().recordTo(*file, path.toStdString());
    windows.start();
    views::MainWindowView& view = windows.mainWindow();
    QTest::mouseClick(&view.canvas(), Qt::LeftButton, {}, QPoint(150, 150));
    QTest::qWait(300);
    view.menus().action("about")->trigger();
    QTest::qWait(100);
    QTest::keyClick(windows.dialog()->windowHandle(), Qt::Key_Escape);
    view.menus().action("hard")->trigger();
    QTest::keyPress(view.windowHandle(), Qt::Key_Right);
    QTest::qWait(100);
    QTest::keyRelease(view.windowHandle(), Qt::Key_Right);
    windows.game().finishRecording();
}

TEST(Recording, ARecordingReplaysToTheGamesOwnEnd) {
    QTemporaryDir folder;
    struct Row {
        const char* name;
        QString path;
        const char* complaint;  // the one line on standard error, or nothing
    };
    const Row rows[] = {
        {"a file", folder.filePath("s.trace"), ""},
        {"a folder that is not there", folder.filePath("no/s.trace"), "cannot record to"},
        {"a full disk", "/dev/full", "recording to /dev/full stopped"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testing::internal::CaptureStderr();
        playRecorded(row.path);
        const std::string errors = testing::internal::GetCapturedStderr();
        if (*row.complaint) {
            EXPECT_NE(errors.find(row.complaint), std::string::npos) << errors;
            EXPECT_EQ(errors.find("smashbol:"), errors.rfind("smashbol:"))
                << "one line: " << errors;
            continue;
        }
        std::ifstream file(row.path.toStdString());
        std::stringstream script;
        script << file.rdbuf();
        const std::string text = script.str();
        for (const char* line : {"\nclick splash\n", "\nmenu about\n", "\nmenu hard\n",
                                 "\nkeydown 39\n", "\nkeyup 39\n"})
            EXPECT_NE(text.find(line), std::string::npos) << line;
        trace::Trace replay;
        std::ostringstream out, bad;
        EXPECT_EQ(replay.run(script, out, bad), 0) << bad.str();
        const std::string own = text.substr(text.rfind("\n# ") + 3);
        EXPECT_EQ(out.str(), own) << "the replay's last print is the game's own final state";
    }
}

}  // namespace
}  // namespace qt_tests
