// The about and help windows: opened by the game's commands without holding the window's thread,
// the main window ticking on behind them and the globe turning in the about window; a click
// anywhere, Enter or Escape closing either, as the game decides. And a message box, which holds
// nothing either.
#include <QDialog>

#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

using DialogsTest = WindowFixture;

TEST_F(DialogsTest, TheGameOpensAndClosesItsWindows) {
    show();
    clickSplash();
    struct Row {
        const char* name;
        const char* command;
        QPoint click;  // or, when none, the key
        Qt::Key key;
    };
    // Escape closing the about window: the reference frames' test, which goes on to the help.
    const Row rows[] = {
        {"about: a click on the background", "about", {250, 110}, {}},
        {"about: a click on the globe", "about", {30, 30}, {}},
        {"help: a click on a rule", "hra", {150, 80}, {}},
        {"help: Enter", "hra", {}, Qt::Key_Return},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        command(row.command);
        views::DialogView* dialog = windows.dialog();
        ASSERT_TRUE(dialog);
        const bool about = row.command == std::string("about");
        EXPECT_EQ(dialog->window(), about ? running::Window::About : running::Window::Help);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(dialog->windowFlags() & Qt::FramelessWindowHint);
        const tk::Rect client = game.clientArea(dialog->window());
        EXPECT_EQ(dialog->size(), QSize(client.width, client.height));
        // The intro's ball flies on behind the window, and the globe turns in it.
        const float ballTop = form().ball.Top;
        const QImage first = shotOf(dialog->canvas());
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return form().ball.Top != ballTop && (!about || shotOf(dialog->canvas()) != first);
        }));
        if (row.click.isNull())
            QTest::keyClick(dialog->windowHandle(), row.key);
        else
            QTest::mouseClick(&dialog->canvas(), Qt::LeftButton, {}, row.click);
        EXPECT_FALSE(game.modalWindow());
        EXPECT_FALSE(windows.dialog());
    }
    EXPECT_TRUE(game.nextWake()) << "the intro goes on";
}

TEST_F(DialogsTest, AMessageBoxOpensWithoutHoldingTheThread) {
    show();
    windows.showMessage("SMASHBOL 2002", "Chyba");
    windows.settle();
    QPointer<QMessageBox> box = windows.messageBox();
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), "Chyba");
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    box->accept();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(box) << "gone once closed";
}

}  // namespace
}  // namespace qt_tests
