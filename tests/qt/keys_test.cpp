// Keys from the window to the game: held keys giving repeated presses only, keys let go when a
// menu opens or the window is minimised, letters by their place, the window's own keys kept from
// the game, and a game controller walking the sprite through the same path.
#include <QKeyEvent>

#include <SDL.h>

#include "desktop/sdl/gamepad_keys.h"
#include "tests/qt/window_fixture.h"

namespace qt_tests {
namespace {

class KeysTest : public WindowFixture {
  protected:
    void SetUp() override {
        show();
        clickSplash();
        command("easy");  // keys are live once a match is set up
    }

    // A key event as the window system hands it to the window, whatever widget has the focus;
    // `place` is the key's number on the keyboard (X11's).
    void send(QEvent::Type type, int key, bool autoRepeat, Qt::KeyboardModifiers modifiers = {},
              quint32 place = 0) {
        QKeyEvent event(type, key, modifiers, place, 0, 0, QString(), autoRepeat);
        QCoreApplication::sendEvent(view().windowHandle(), &event);
    }
    void press(int key) { send(QEvent::KeyPress, key, false); }

    // A step and where it leaves the sprite heading and the match; with a controller, at a time.
    struct Step {
        const char* name;
        std::function<void()> act;
        const char* manKeyDir;
        bool running;
        std::uint32_t atMs = 0;
    };
    void play(std::initializer_list<Step> steps, tksdl::GamepadKeys* pad = nullptr) {
        for (const Step& step : steps) {
            SCOPED_TRACE(step.name);
            step.act();
            if (pad)
                pad->poll(step.atMs);
            EXPECT_EQ(form().manKeyDir, step.manKeyDir);  // its walk: the engine tests
            EXPECT_EQ(game.matchRunning(), step.running);
        }
    }
};

TEST_F(KeysTest, TheKeyPathFromTheWindowToTheGame) {
    play({
        {"Right starts the match", [&] { press(Qt::Key_Right); }, "right", true},
        // X11's auto-repeat: release and press pairs flagged as repeats.
        {"a repeat's release is dropped", [&] { send(QEvent::KeyRelease, Qt::Key_Right, true); },
         "right", true},
        {"Ctrl+Plus zooms and is no game key",
         [&] { send(QEvent::KeyPress, Qt::Key_Plus, false, Qt::ControlModifier); }, "right", true},
        {"a menu opening: keys let go, the match runs on",
         [&] { emit view().bar()->actions().front()->menu()->aboutToShow(); }, "", true},
        {"Left with the menu bar focused",
         [&] {
             view().bar()->setFocus();
             press(Qt::Key_Left);
         },
         "left", true},
        {"the real release stops the sprite",
         [&] { send(QEvent::KeyRelease, Qt::Key_Left, false); }, "", true},
        {"Alt alone marks the menu bar, and the keys are the bar's until Escape",
         [&] {
             QTest::keyClick(view().windowHandle(), Qt::Key_Alt);
             EXPECT_TRUE(view().bar()->activeAction());
             press(Qt::Key_Right);
             QTest::keyClick(view().windowHandle(), Qt::Key_Escape);
             EXPECT_FALSE(view().bar()->activeAction());
         },
         "", true},
        {"Right held, the focus to another program: let go and paused",
         [&] {
             press(Qt::Key_Right);  // and the window minimised
             emit view().windowHandle()->windowStateChanged(Qt::WindowMinimized);
         },
         "", false},
        // Under a Russian layout key 33 ("P") gives a Cyrillic letter, key 38 ("A") another.
        {"physical P resumes", [&] { send(QEvent::KeyPress, 0x0417, false, {}, 33); }, "", true},
        {"Ctrl + physical A: a new match",
         [&] { send(QEvent::KeyPress, 0x0424, false, Qt::ControlModifier, 38); }, "", false},
        {"Ctrl + the key of 0, 'é' on a Czech layout: from zoom 2 to 1",
         [&] {
             EXPECT_EQ(view().canvas().zoom(), 2) << "Ctrl+Plus zoomed";
             send(QEvent::KeyPress, Qt::Key_Eacute, false, Qt::ControlModifier, 19);
             EXPECT_EQ(view().canvas().zoom(), 1);
         },
         "", false},
    });
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
    const int kRight = SDL_CONTROLLER_BUTTON_DPAD_RIGHT, kStart = SDL_CONTROLLER_BUTTON_START;
    auto leftX = [stick](int x) { SDL_JoystickSetVirtualAxis(stick, 0, x); };  // left stick X
    play(
        {
            {"plugged in: nothing yet", [] {}, "left", false, 0},
            {"stick inside the dead zone", [&] { leftX(-12000); }, "left", false, 10},
            {"stick past it: Left", [&] { leftX(-20000); }, "left", true, 20},
            {"d-pad Right as well", [&] { button(kRight, true); }, "right", true, 30},
            {"stick let go: its key-up stops the sprite", [&] { leftX(0); }, "", true, 40},
            {"the d-pad, pressed last, repeats after a delay", [] {}, "", true, 400},
            {"then it repeats", [] {}, "right", true, 560},
            {"Start pauses", [&] { button(kStart, true); }, "right", false, 570},
            {"Start let go", [&] { button(kStart, false); }, "", false, 580},
            {"a key pressed later ended the d-pad's repeat", [] {}, "", false, 2000},
            {"A resumes", [&] { button(SDL_CONTROLLER_BUTTON_A, true); }, "", true, 2010},
            {"d-pad let go", [&] { button(kRight, false); }, "", true, 2020},
            {"d-pad again", [&] { button(kRight, true); }, "right", true, 2030},
            {"unplugged: what it held is let go",
             [&] {
                 SDL_JoystickClose(stick);
                 SDL_JoystickDetachVirtual(index);
             },
             "", true, 2040},
            {"and nothing repeats", [] {}, "", true, 3000},
        },
        &pad);
}

}  // namespace
}  // namespace qt_tests
