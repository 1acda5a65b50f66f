// The whole main window: the match engine's model plus start-up, the intro, match setup and the
// menu commands.
#pragma once

#include "engine/flow/module1.h"
#include "engine/game/form1.h"

namespace flow {

struct Level {
    int ballStepY;       // vertical ball step; the player walks 10 less
    const char* pcStep;  // the computer's step, written as text
};

constexpr Level kEasy{80, "45"};
constexpr Level kMedium{150, "55"};
constexpr Level kHard{200, "70"};
constexpr Level kIntro{80, "50"};

class MainWindow : public game::Form1 {
  public:
    MainWindow(tk::Host& host, Module1& module1) : Form1(host, module1) {}

    void Form_Load();
    void Picture4_Click() { StartIntroRally(); }
    void Label5_Click() { StartIntroRally(); }

    void easy_Click() { setUpMatch(kEasy); }
    void med_Click() { setUpMatch(kMedium); }
    void hard_Click() { setUpMatch(kHard); }
    void exit_Click();
    void hra_Click();
    void about_Click();

    // A match is on and not paused: the score bar shows and the tick and the steps run. What a
    // front end pauses when the player leaves the game.
    bool matchRunning() const { return Label4.Visible && Timer1.Enabled && Timer2.Enabled; }

  private:
    void StartIntroRally();
    void setUpMatch(const Level& level);
    void writeSpeeds(const Level& level);
    void playMenuCue();
};

}  // namespace flow
