// The real host's own answers: resources, pictures, the random source; and a session recorded
// on it, replayed without a window.
#include <QDialog>
#include <QTemporaryDir>

#include <fstream>
#include <set>
#include <sstream>

#include "engine/flow/session.h"
#include "tools/trace/trace.h"
#include "desktop/views/session_recorder.h"

#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

TEST(QtHost, ClipsPicturesAndRandomNumbers) {
    assets::EmbeddedResources resources;
    tkqt::QtHost host(resources, "SMASHBOL 2002");
    const std::pair<int, const char*> missing[] = {{9, "RESTYPE"}, {0, "RESTYPE"}, {2, "WAVE"}};
    for (const auto& [id, type] : missing)
        EXPECT_EQ(host.LoadResData(id, type).error, 326) << id << type;
    for (const int id : {1, 8}) {
        const tk::Resource clip = host.LoadResData(id, "RESTYPE");
        ASSERT_EQ(clip.error, 0);
        ASSERT_GE(clip.bytes.size(), 12u);
        EXPECT_EQ(std::string(clip.bytes.begin(), clip.bytes.begin() + 4), "RIFF");
    }

    const tk::Picture n = host.picture("n");
    EXPECT_EQ(host.picture("n"), n);
    EXPECT_NE(host.picture("man"), n) << "alike pixel for pixel, still two pictures";
    EXPECT_TRUE(host.picture("no such owner").empty());

    host.Randomize();
    std::set<float> seen;
    int strokeClips[4] = {};
    for (int i = 0; i < 10000; ++i) {
        const float r = host.Rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        seen.insert(r);
        ++strokeClips[static_cast<int>(r * 4)];  // the game's pick of a stroke clip
    }
    EXPECT_GT(seen.size(), 9000u);
    for (int count : strokeClips)
        EXPECT_GT(count, 2000);
}

// Plays the intro with its strokes, the about window with the game's ticks behind it, a match's
// start and a key, all through the window's own paths, recording to `path`.
void playRecorded(const QString& path) {
    assets::EmbeddedResources resources;
    tkqt::QtHost host(resources, game::kTitle);
    flow::Session<views::SessionRecorder> session(host, path);
    views::SessionRecorder& recorder = session.host;
    flow::MainWindow& game = session.form;
    views::GameWindows windows(game, host);
    views::MainWindowView& view = windows.mainWindow();
    view.setRecorder(&recorder);
    recorder.begin("load");
    game.Form_Load();
    recorder.end();
    windows.showMainWindow();
    QTest::mouseClick(&view.canvas(), Qt::LeftButton, {}, QPoint(150, 150));
    for (int i = 0; i < 400; ++i)
        view.run(i % 9 ? &flow::MainWindow::Timer4_Timer : &flow::MainWindow::Timer1_Timer);
    windows.onModalShown = [&](QDialog& dialog) {
        for (int i = 0; i < 5; ++i)
            view.run(&flow::MainWindow::Timer1_Timer);
        dialog.reject();
    };
    view.run(&flow::MainWindow::about_Click);
    view.run(&flow::MainWindow::hard_Click);
    QTest::keyPress(view.windowHandle(), Qt::Key_Right);
    for (int i = 0; i < 10; ++i)
        view.run(i % 2 ? &flow::MainWindow::Timer2_Timer : &flow::MainWindow::Timer1_Timer);
    QTest::keyRelease(view.windowHandle(), Qt::Key_Right);
    recorder.finish(game);
    view.setRecorder(nullptr);
}

TEST(SessionRecorder, ARecordingReplaysToTheGamesOwnEnd) {
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
        trace::Trace replay;
        std::ostringstream out, bad;
        EXPECT_EQ(replay.run(script, out, bad), 0) << bad.str();
        const std::string own = text.substr(text.rfind("\n# ") + 3);
        EXPECT_EQ(out.str(), own) << "the replay's last print is the game's own final state";
    }
}

}  // namespace
}  // namespace qt_tests
