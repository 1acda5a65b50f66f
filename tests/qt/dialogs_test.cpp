// The about and help windows: what they show, the globe's ticks, and a click anywhere closing
// them from inside their modal loop.
#include <QDialog>

#include "tests/qt/window_fixture.h"
#include "views/about_view.h"
#include "views/help_view.h"

namespace qt_tests {
namespace {

using DialogsTest = WindowFixture;

QImage renderCanvas(tkqt::FormCanvas& canvas) {
    return canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int mismatchesWithPicture(const QImage& shot, QPoint at, std::string_view owner) {
    const assets::PictureAsset* asset = assets::findPicture(owner);
    int mismatches = 0;
    for (int y = 0; y < asset->height; ++y)
        for (int x = 0; x < asset->width; ++x)
            mismatches += shot.pixelColor(at + QPoint(x, y)) != assetPixel(owner, x, y);
    return mismatches;
}

TEST_F(DialogsTest, TheAboutWindowShowsItsFrameTitleRulesAndGlobe) {
    screens::Form2& about = windows.about();
    about.Load();
    views::AboutView dialog(about, windows.painter(), nullptr);
    EXPECT_EQ(dialog.size(), QSize(305, 209));
    EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(dialog.timer1().timer().isActive());
    EXPECT_EQ(dialog.timer1().timer().interval(), 20);

    QImage shot = renderCanvas(dialog.canvas());
    const QPoint frame[] = {{0, 0}, {304, 0}, {0, 208}, {304, 208}, {152, 0}, {0, 100}, {304, 100}};
    for (QPoint p : frame)
        EXPECT_EQ(shot.pixelColor(p), QColor(Qt::black)) << p.x() << "," << p.y();
    EXPECT_EQ(shot.pixelColor(150, 180), QColor(Qt::black)) << "the rules box is black";
    // The top rule, given right to left, covers both its ends: pixels 64 to 280.
    const QColor rule = shot.pixelColor(172, 48);
    EXPECT_EQ(shot.pixelColor(64, 48), rule);
    EXPECT_EQ(shot.pixelColor(280, 48), rule);
    EXPECT_NE(shot.pixelColor(281, 48), rule);
    EXPECT_TRUE(holdsColour(shot, QRect(8, 136, 289, 65), Qt::white)) << "with white text";
    EXPECT_TRUE(holdsColour(shot, QRect(72, 16, 209, 33), Qt::black)) << "the title";
    EXPECT_FALSE(holdsColour(shot, QRect(17, 17, 30, 30), Qt::black)) << "no globe before a tick";

    dialog.handle([&] { about.Timer1_Timer(); });
    shot = renderCanvas(dialog.canvas());
    EXPECT_EQ(mismatchesWithPicture(shot, {16, 16}, "Form2.Picture1(0)"), 0);
}

TEST_F(DialogsTest, TheHelpWindowShowsItsTextsAndKeys) {
    screens::Form3 help(host);
    views::HelpView dialog(help, windows.painter(), nullptr);
    EXPECT_EQ(dialog.size(), QSize(305, 217));
    const QImage shot = renderCanvas(dialog.canvas());
    EXPECT_EQ(mismatchesWithPicture(shot, {16, 88}, "Form3.Image2"), 0) << "the P key";
    EXPECT_EQ(mismatchesWithPicture(shot, {8, 136}, "Form3.Image1"), 0) << "the cursor keys";
    const QPoint frame[] = {{0, 0}, {304, 0}, {0, 216}, {304, 216}, {152, 80}};
    for (QPoint p : frame)
        EXPECT_EQ(shot.pixelColor(p), QColor(Qt::black)) << p.x() << "," << p.y();
    EXPECT_TRUE(holdsColour(shot, QRect(8, 8, 289, 60), Qt::black)) << "the start text";
    EXPECT_TRUE(holdsColour(shot, QRect(72, 84, 217, 45), Qt::black)) << "the pause text";
    EXPECT_TRUE(holdsColour(shot, QRect(144, 160, 153, 50), Qt::black)) << "the steering text";
    EXPECT_EQ(shot.pixelColor(300, 120), QColor(Qt::white));
}

// Opens a window from the menu, clicks at `point` once it shows, and reports whether the click
// closed it (a window left open is closed by force, so that the test goes on).
bool clickClosesModal(WindowFixture& fixture, void (flow::MainWindow::*command)(), QPoint point) {
    bool closedByClick = false;
    fixture.windows.onModalShown = [&](QDialog& dialog) {
        auto* canvas = dialog.findChild<tkqt::FormCanvas*>();
        QTest::mouseClick(canvas, Qt::LeftButton, {}, point);
        closedByClick = !dialog.isVisible();
        if (!closedByClick)
            dialog.reject();
    };
    fixture.view().handle([&] { (fixture.game.*command)(); });
    fixture.windows.onModalShown = nullptr;
    return closedByClick;
}

TEST_F(DialogsTest, AClickAnywhereClosesTheAboutWindow) {
    show();
    clickSplash();
    struct Row {
        const char* name;
        QPoint at;
    };
    const Row rows[] = {{"background", {250, 110}}, {"title", {90, 25}}, {"credit", {80, 58}},
                        {"rules box", {150, 180}},  {"globe", {30, 30}}, {"frame", {0, 100}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(clickClosesModal(*this, &flow::MainWindow::about_Click, row.at));
        EXPECT_FALSE(windows.about().loaded());
        EXPECT_FALSE(windows.about().Timer1.Enabled);
    }
    EXPECT_TRUE(view().timer1().timer().isActive()) << "the intro went on behind";
}

TEST_F(DialogsTest, AClickAnywhereClosesTheHelpWindow) {
    show();
    clickSplash();
    struct Row {
        const char* name;
        QPoint at;
    };
    const Row rows[] = {{"start text", {40, 20}},   {"P key", {30, 100}},
                        {"cursor keys", {60, 170}}, {"steering text", {200, 170}},
                        {"a rule", {150, 80}},      {"background", {250, 140}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(clickClosesModal(*this, &flow::MainWindow::hra_Click, row.at));
    }
}

}  // namespace
}  // namespace qt_tests
