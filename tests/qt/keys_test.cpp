// Keys as the game's handlers receive them: the codes, the preview of every key, and held keys
// giving repeated presses only.
#include <QKeyEvent>

#include <SDL.h>

#include "tests/qt/window_fixture.h"
#include "toolkit/qt/key_codes.h"
#include "toolkit/sdl/gamepad_keys.h"

namespace qt_tests {
namespace {

class KeysTest : public WindowFixture {
  protected:
    void SetUp() override {
        show();
        clickSplash();
        view().handle([&] { game.easy_Click(); });  // keys are live once a match is set up
    }

    // A key event as the window system hands it to the window, whatever widget has the focus;
    // `place` is the key's number on the keyboard (X11's).
    void send(QEvent::Type type, int key, bool autoRepeat = false,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier, quint32 place = 0) {
        QKeyEvent event(type, key, modifiers, place, 0, 0, QString(), autoRepeat);
        QCoreApplication::sendEvent(view().windowHandle(), &event);
    }
};

TEST_F(KeysTest, ACursorKeyStartsTheMatchAndSteers) {
    send(QEvent::KeyPress, Qt::Key_Right);
    EXPECT_EQ(game.manKeyDir, "right");
    EXPECT_TRUE(view().timer1().timer().isActive());
    EXPECT_TRUE(view().timer2().timer().isActive());
    send(QEvent::KeyPress, Qt::Key_Left);
    EXPECT_EQ(game.manKeyDir, "left");
}

TEST_F(KeysTest, AHeldKeyGivesRepeatedPressesOnly) {
    send(QEvent::KeyPress, Qt::Key_Left);
    // X11's auto-repeat: release and press pairs flagged as repeats.
    for (int i = 0; i < 5; ++i) {
        send(QEvent::KeyRelease, Qt::Key_Left, true);
        EXPECT_EQ(game.manKeyDir, "left") << "a repeat's release does not stop the sprite";
        send(QEvent::KeyPress, Qt::Key_Left, true);
        EXPECT_EQ(game.manKeyDir, "left");
    }
    send(QEvent::KeyRelease, Qt::Key_Left);
    EXPECT_EQ(game.manKeyDir, "") << "the real release stops it";
    EXPECT_EQ(game.Label1.Caption, "");
}

TEST_F(KeysTest, PPausesAndResumes) {
    send(QEvent::KeyPress, Qt::Key_P);
    send(QEvent::KeyRelease, Qt::Key_P);
    EXPECT_TRUE(view().timer1().timer().isActive());
    send(QEvent::KeyPress, Qt::Key_P);
    EXPECT_FALSE(view().timer1().timer().isActive());
    EXPECT_FALSE(view().timer2().timer().isActive());
    EXPECT_TRUE(view().menus().action(game.info(15))->isEnabled());
}

TEST_F(KeysTest, KeysReachTheGameWhateverHasTheFocus) {
    view().menuBar()->setFocus();
    QTest::keyPress(view().windowHandle(), Qt::Key_Right);
    EXPECT_EQ(game.manKeyDir, "right");
    QTest::keyRelease(view().windowHandle(), Qt::Key_Right);
    EXPECT_EQ(game.manKeyDir, "");
}

TEST_F(WindowFixture, KeysAreIgnoredUntilAMatchIsSetUp) {
    show();
    clickSplash();
    QTest::keyClick(view().windowHandle(), Qt::Key_P);
    QTest::keyPress(view().windowHandle(), Qt::Key_Left);
    EXPECT_FALSE(view().timer2().timer().isActive());
    EXPECT_TRUE(view().timer4().timer().isActive()) << "the intro goes on";
}

// SDL's virtual controller, plugged in while the game runs, through the keyboard's own path.
TEST_F(KeysTest, AControllerPlaysAsTheKeysDo) {
    tksdl::GamepadKeys pad([this] { return view().windowHandle(); });
    pad.start();
    const int index = SDL_JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(index, 0) << SDL_GetError();
    SDL_Joystick* stick = SDL_JoystickOpen(index);
    auto button = [stick](int b, bool down) { SDL_JoystickSetVirtualButton(stick, b, down); };
    auto leftX = [stick](int x) {
        SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_LEFTX, x);
    };
    struct Step {
        const char* name;
        std::function<void()> act;
        std::uint32_t atMs;
        const char* manKeyDir;
        bool running;
    };
    const Step steps[] = {
        {"plugged in: nothing yet", [] {}, 0, "left", false},
        {"stick inside the dead zone", [&] { leftX(-12000); }, 10, "left", false},
        {"stick past it: Left", [&] { leftX(-20000); }, 20, "left", true},
        {"d-pad Right as well", [&] { button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true); }, 30,
         "right", true},
        {"stick let go: its key-up stops the sprite", [&] { leftX(0); }, 40, "", true},
        {"the d-pad, pressed last, repeats after a delay", [] {}, 400, "", true},
        {"then it repeats", [] {}, 560, "right", true},
        {"Start pauses", [&] { button(SDL_CONTROLLER_BUTTON_START, true); }, 570, "right", false},
        {"Start let go", [&] { button(SDL_CONTROLLER_BUTTON_START, false); }, 580, "", false},
        {"a key pressed later ended the d-pad's repeat", [] {}, 2000, "", false},
        {"A resumes", [&] { button(SDL_CONTROLLER_BUTTON_A, true); }, 2010, "", true},
        {"d-pad let go", [&] { button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false); }, 2020, "", true},
        {"d-pad again", [&] { button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true); }, 2030, "right",
         true},
        {"unplugged: what it held is let go",
         [&] {
             SDL_JoystickClose(stick);
             SDL_JoystickDetachVirtual(index);
         },
         2040, "", true},
        {"and nothing repeats", [] {}, 3000, "", true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        pad.poll(step.atMs);
        EXPECT_EQ(game.manKeyDir, step.manKeyDir);
        EXPECT_EQ(view().timer1().timer().isActive(), step.running);
        if (step.running) {
            const float before = game.man.Left;
            view().run(&flow::MainWindow::Timer2_Timer);
            const float moved = game.man.Left - before;
            EXPECT_STREQ(moved > 0 ? "right" : moved < 0 ? "left" : "", step.manKeyDir) << "walks";
        }
    }
}

}  // namespace
}  // namespace qt_tests

namespace qt_tests {
namespace {

TEST_F(KeysTest, KeysHeldWhenTheFocusLeavesAreReleasedAndAnotherProgramPauses) {
    struct Row {
        const char* name;
        bool toAnotherProgram;
        bool runsOn;
    };
    const Row rows[] = {{"own menu or window", false, true}, {"another program", true, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        send(QEvent::KeyPress, Qt::Key_Right);
        view().focusLeft(row.toAnotherProgram);
        EXPECT_EQ(game.manKeyDir, "") << "the sprite stops";
        EXPECT_EQ(view().timer1().timer().isActive(), row.runsOn);
        EXPECT_EQ(view().timer2().timer().isActive(), row.runsOn);
        send(QEvent::KeyRelease, Qt::Key_Right);
    }
    view().focusLeft(true);
    EXPECT_FALSE(view().timer1().timer().isActive()) << "a pause is not undone by another";
}

TEST_F(KeysTest, WindowKeysAndLettersByTheirPlace) {
    // Under a Russian layout the "P" key gives a Cyrillic letter (key number 33), "A" another (38).
    send(QEvent::KeyPress, 0x0417, false, Qt::NoModifier, 33);
    EXPECT_TRUE(view().timer1().timer().isActive()) << "physical P starts the match";
    send(QEvent::KeyPress, Qt::Key_Right);
    send(QEvent::KeyPress, Qt::Key_Plus, false, Qt::ControlModifier);
    send(QEvent::KeyRelease, Qt::Key_Plus, false, Qt::ControlModifier);
    EXPECT_EQ(game.manKeyDir, "right") << "the zoom keys are not game keys";
    EXPECT_EQ(view().size(), QSize(606, 660));
    EXPECT_EQ(view().canvas().zoom(), 2);
    send(QEvent::KeyPress, 0x0424, false, Qt::ControlModifier, 38);
    EXPECT_FALSE(view().timer1().timer().isActive()) << "Ctrl + physical A: a new match";
}

}  // namespace
}  // namespace qt_tests
