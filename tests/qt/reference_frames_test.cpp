// The windows show, pixel for pixel, what they showed before they were drawn by our own renderer:
// the frames the Qt painter that came before it showed at zoom 1, kept as checksums. At zoom 2
// that painter showed each of them in 2 x 2 blocks but for the splash's diagonal line, which it
// drew with a pen two pixels wide (26 pixels beside the line's steps); now every zoom shows the
// zoom-1 frame in blocks, that line included.
#include <QCryptographicHash>
#include <QDialog>
#include <QDir>
#include <QFile>

#include "tests/qt/window_fixture.h"
#include "desktop/views/about_view.h"

namespace qt_tests {
namespace {

// The reference frames, by name: their size and the SHA-256 of their pixels.
struct Reference {
    int width = 0, height = 0;
    QByteArray sha256;
};

Reference reference(const std::string& name) {
    QFile file(QStringLiteral(SMASHBOL_SOURCE_DIR "/tests/fixtures/frames.sha256"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 4 && words[0].toStdString() == name)
            return {words[1].toInt(), words[2].toInt(), words[3]};
    }
    ADD_FAILURE() << "no reference frame " << name;
    return {};
}

// How far a shot at a zoom is from the reference: the number of zoom x zoom blocks that are not
// of one colour, or else whether the window pixels (where the reference has them: a zoomed
// canvas may show a part of a row more at its bottom) are the reference's. A shot that differs
// is kept in the temporary folder to be looked at.
::testing::AssertionResult showsReference(const QImage& shot, const std::string& name, int zoom) {
    const Reference expected = reference(name);
    if (shot.width() != expected.width * zoom || shot.height() < (expected.height - 1) * zoom)
        return ::testing::AssertionFailure()
               << name << " is " << shot.width() << "x" << shot.height() << ", reference "
               << expected.width << "x" << expected.height << " at zoom " << zoom;
    QImage once(expected.width, expected.height, QImage::Format_RGB888);
    once.fill(Qt::black);
    int mixedBlocks = 0;
    for (int y = 0; y < std::min(expected.height, shot.height() / zoom); ++y)
        for (int x = 0; x < expected.width; ++x) {
            const QRgb colour = shot.pixel(x * zoom, y * zoom);
            for (int dy = 0; dy < zoom; ++dy)
                for (int dx = 0; dx < zoom; ++dx)
                    mixedBlocks += shot.pixel(x * zoom + dx, y * zoom + dy) != colour;
            once.setPixel(x, y, colour);
        }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int y = 0; y < once.height(); ++y)
        hash.addData(QByteArrayView(once.constScanLine(y), once.width() * 3));
    if (mixedBlocks == 0 && hash.result().toHex() == expected.sha256)
        return ::testing::AssertionSuccess();
    const QString kept = QDir::temp().filePath(QString::fromStdString(name) + "-shown.png");
    once.save(kept);
    return ::testing::AssertionFailure() << name << " at zoom " << zoom << ": " << mixedBlocks
                                         << " pixels out of their block; not the reference "
                                            "frame (the shot is in "
                                         << kept.toStdString() << ")";
}

class ReferenceFrames : public WindowFixture, public ::testing::WithParamInterface<int> {};

TEST_P(ReferenceFrames, EveryWindowShowsWhatItShowedBefore) {
    const int zoom = GetParam();
    view().setZoom(zoom);
    show();
    EXPECT_TRUE(showsReference(render(), "splash", zoom)) << "the splash";
    QTest::mouseClick(&view().canvas(), Qt::LeftButton, {}, QPoint(150, 150) * zoom);
    view().run(&flow::MainWindow::easy_Click);
    EXPECT_TRUE(showsReference(render(), "match_set_up", zoom)) << "the match set up";
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
    EXPECT_TRUE(showsReference(render(), "point_in_play", zoom)) << "a point in play";
    view().handle([&] {
        game.Label9.Caption = "2";
        game.Timer1_Timer();
    });
    EXPECT_TRUE(showsReference(render(), "end_message", zoom)) << "the end message";

    int shots = 0;
    windows.onModalShown = [&](QDialog& dialog) {
        auto& canvas = *dialog.findChild<tkqt::FrameCanvas*>();
        if (dynamic_cast<views::AboutView*>(&dialog)) {
            EXPECT_TRUE(showsReference(shotOf(canvas), "about_opened", zoom)) << "about";
            windows.about().Timer1_Timer();
            windows.about().Timer1_Timer();
            EXPECT_TRUE(showsReference(shotOf(canvas), "about", zoom)) << "the globe";
        } else {
            EXPECT_TRUE(showsReference(shotOf(canvas), "help", zoom)) << "help";
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
    EXPECT_TRUE(showsReference(render(), "end_lost", 1));
}

}  // namespace
}  // namespace qt_tests
