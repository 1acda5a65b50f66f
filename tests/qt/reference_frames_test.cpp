// The windows show, pixel for pixel, what they showed before they were drawn by our own renderer:
// reference frames captured from the Qt painter that came before it, at zoom 1 and 2.
#include <QDialog>

#include "tests/qt/window_fixture.h"
#include "views/about_view.h"

namespace qt_tests {
namespace {

QImage reference(const std::string& name) {
    const QString path = QStringLiteral(SMASHBOL_SOURCE_DIR "/tests/fixtures/frames/") +
                         QString::fromStdString(name);
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// The pixels that differ from the reference, outside the one place where the old painter was
// wrong: at zoom 2 it drew the diagonal line of the splash with a pen two pixels wide, not as
// the zoom-1 line in 2 x 2 blocks (26 pixels beside the line's steps, in its 28 x 28 box).
int differences(const QImage& shot, const std::string& name, bool oldDiagonalAtZoom2) {
    const QImage expected = reference(name);
    EXPECT_EQ(shot.size(), expected.size()) << name;
    if (shot.size() != expected.size())
        return -1;
    int differing = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) != expected.pixel(x, y) &&
                !(oldDiagonalAtZoom2 && x < 28 && y < 28 && std::abs(x - y) == 1))
                ++differing;
    return differing;
}

class ReferenceFrames : public WindowFixture, public ::testing::WithParamInterface<int> {};

TEST_P(ReferenceFrames, EveryWindowShowsWhatItShowedBefore) {
    const int zoom = GetParam();
    const std::string z = "_z" + std::to_string(zoom) + ".png";
    view().setZoom(zoom);
    show();
    EXPECT_EQ(differences(render(), "splash" + z, zoom == 2), 0) << "the splash";
    QTest::mouseClick(&view().canvas(), Qt::LeftButton, {}, QPoint(150, 150) * zoom);
    view().run(&flow::MainWindow::easy_Click);
    EXPECT_EQ(differences(render(), "match_set_up" + z, false), 0) << "the match set up";
    // A point in play: a walking player, the other striking, the ball half under him.
    view().handle([&] {
        game.Label9.Caption = "1";
        game.Label2.Caption = "12";
        game.Label4.Caption = "7";
        game.man.setPicture(game.r1.picture());
        game.man.Left = 2400;
        game.pc.setPicture(game.Picture2.picture());
        game.pc.Left = 1500;
        game.ball.Left = 1560;
        game.ball.Top = 560;
    });
    EXPECT_EQ(differences(render(), "point_in_play" + z, false), 0) << "a point in play";
    view().handle([&] {
        game.Label9.Caption = "2";
        game.Timer1_Timer();
    });
    EXPECT_EQ(differences(render(), "end_message" + z, false), 0) << "the end message";

    int shots = 0;
    windows.onModalShown = [&](QDialog& dialog) {
        auto& canvas = *dialog.findChild<tkqt::FrameCanvas*>();
        if (dynamic_cast<views::AboutView*>(&dialog)) {
            EXPECT_EQ(differences(shotOf(canvas), "about_opened" + z, false), 0) << "about";
            windows.about().Timer1_Timer();
            windows.about().Timer1_Timer();
            EXPECT_EQ(differences(shotOf(canvas), "about" + z, false), 0) << "the globe";
        } else {
            EXPECT_EQ(differences(shotOf(canvas), "help" + z, false), 0) << "help";
        }
        ++shots;
        dialog.reject();
    };
    view().run(&flow::MainWindow::about_Click);
    view().run(&flow::MainWindow::hra_Click);
    EXPECT_EQ(shots, 2);
}

INSTANTIATE_TEST_SUITE_P(AtZoom, ReferenceFrames, ::testing::Values(1, 2));

TEST_F(WindowFixture, TheLostMessageShowsAsBefore) {
    show();
    clickSplash();
    view().run(&flow::MainWindow::hard_Click);
    view().handle([&] {
        game.Label11.Caption = "2";
        game.Label9.Caption = "1";
        game.Timer1_Timer();
    });
    EXPECT_EQ(differences(render(), "end_lost_z1.png", false), 0);
}

}  // namespace
}  // namespace qt_tests
