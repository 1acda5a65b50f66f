// The windows show, pixel for pixel, what they showed before they were drawn by our own renderer:
// the frames the Qt painter that came before it showed at zoom 1, kept as checksums. At zoom 2
// that painter showed each of them in 2 x 2 blocks but for the splash's diagonal line, which it
// drew with a pen two pixels wide (26 pixels beside the line's steps); now every zoom shows the
// zoom-1 frame in blocks, that line included.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

// How far a shot at a zoom is from the reference frame of that name (tests/fixtures/frames.sha256:
// its size and the SHA-256 of its pixels): the number of zoom x zoom blocks that are not of one
// colour, or else whether the window pixels (where the reference has them: a zoomed canvas may
// show a part of a row more at its bottom) are the reference's. A shot that differs is kept in
// the temporary folder to be looked at.
::testing::AssertionResult showsReference(const QImage& shot, const std::string& name, int zoom) {
    QFile file(QStringLiteral(SMASHBOL_SOURCE_DIR "/tests/fixtures/frames.sha256"));
    QList<QByteArray> expected;  // name, width, height, SHA-256
    for (const QByteArray& line :
         file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>{})
        if (line.startsWith(name + ' '))
            expected = line.split(' ');
    if (expected.size() != 4)
        return ::testing::AssertionFailure() << "no reference frame " << name;
    const int width = expected[1].toInt(), height = expected[2].toInt();
    if (shot.width() != width * zoom || shot.height() < (height - 1) * zoom)
        return ::testing::AssertionFailure()
               << name << " is " << shot.width() << "x" << shot.height() << ", reference " << width
               << "x" << height << " at zoom " << zoom;
    QImage once(width, height, QImage::Format_RGB888);
    once.fill(Qt::black);
    int mixedBlocks = 0;
    for (int y = 0; y < std::min(height, shot.height() / zoom); ++y)
        for (int x = 0; x < width; ++x) {
            const QRgb colour = shot.pixel(x * zoom, y * zoom);
            for (int dy = 0; dy < zoom; ++dy)
                for (int dx = 0; dx < zoom; ++dx)
                    mixedBlocks += shot.pixel(x * zoom + dx, y * zoom + dy) != colour;
            once.setPixel(x, y, colour);
        }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int y = 0; y < height; ++y)
        hash.addData(QByteArrayView(once.constScanLine(y), width * 3));
    if (mixedBlocks == 0 && hash.result().toHex() == expected[3])
        return ::testing::AssertionSuccess();
    const QString kept = QDir::temp().filePath(QString::fromStdString(name) + "-shown.png");
    once.save(kept);
    return ::testing::AssertionFailure()
           << name << " at zoom " << zoom << ": " << mixedBlocks
           << " mixed blocks, or another frame: " << kept.toStdString();
}

class ReferenceFrames : public WindowFixture, public ::testing::WithParamInterface<int> {
  public:
    ReferenceFrames() : WindowFixture({.zoom = GetParam()}) {}
};

TEST_P(ReferenceFrames, EveryWindowShowsWhatItShowedBefore) {
    const int zoom = GetParam();
    show();
    EXPECT_TRUE(showsReference(render(), "splash", zoom)) << "the splash";
    QTest::mouseClick(&view().canvas(), Qt::LeftButton, {}, QPoint(150, 150) * zoom);
    command("easy");
    QCoreApplication::sendPostedEvents();  // lays the grown window out
    EXPECT_EQ(view().canvas().geometry(),
              QRect(0, running::Game::kMenuBarPx * zoom, 303 * zoom, 311 * zoom))
        << "the court below the menu bar, both zoomed";
    EXPECT_TRUE(showsReference(render(), "match_set_up", zoom)) << "the match set up";
    // A point in play: a walking player, the other striking, the ball half under him.
    change([](flow::MainWindow& form) {
        form.Label9.Caption = "1";
        form.Label2.Caption = "12";
        form.Label4.Caption = "7";
        form.man.setPicture(form.r1.picture());
        form.man.Left = 2400;
        form.pc.setPicture(form.Picture2.picture());
        form.pc.Left = 1500;
        form.ball.Left = 1560;
        form.ball.Top = 560;
    });
    EXPECT_TRUE(showsReference(render(), "point_in_play", zoom)) << "a point in play";
    change([](flow::MainWindow& form) {
        form.Label9.Caption = "2";
        form.Timer1_Timer();
    });
    EXPECT_TRUE(showsReference(render(), "end_message", zoom)) << "the end message";
    command("hard");
    change([](flow::MainWindow& form) {
        form.Label11.Caption = "2";
        form.Label9.Caption = "1";
        form.Timer1_Timer();
    });
    EXPECT_TRUE(showsReference(render(), "end_lost", zoom)) << "the message of a match lost";

    command("about");
    ASSERT_TRUE(windows.dialog());
    EXPECT_TRUE(showsReference(shotOf(windows.dialog()->canvas()), "about_opened", zoom));
    // The globe turns on the game's clock: the picture of its second turn comes round every
    // eight turns of 20 ms.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return bool(showsReference(shotOf(windows.dialog()->canvas()), "about", zoom)); },
        3000))
        << "the globe";
    QTest::keyClick(windows.dialog()->windowHandle(), Qt::Key_Escape);
    command("hra");
    ASSERT_TRUE(windows.dialog());
    EXPECT_TRUE(showsReference(shotOf(windows.dialog()->canvas()), "help", zoom)) << "help";
}

INSTANTIATE_TEST_SUITE_P(AtZoom, ReferenceFrames, ::testing::Values(1, 2));

}  // namespace
}  // namespace qt_tests
