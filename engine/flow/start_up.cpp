// From the start to the first match: the load, the splash, the intro rally.
#include "engine/flow/main_window.h"

namespace flow {

void MainWindow::Form_Load() {
    windowEnlarged = 0;
    Picture1.BackColor = game::kCourtOrange;
    // Two black marks, hidden under the splash and wiped by the click that starts the intro.
    Picture1.Line(200, 200, 200, 200, tk::kBlack);
    drawing.Line(0, 0, 200, 200, tk::kBlack);
    ballStepY = 0;
    pcStep = Text1.Text;
    ballDirY = "down";
    ballStepX = 45;
    cue_.play(game::Clip::Intro);
}

void MainWindow::StartIntroRally() {
    playMenuCue();  // cuts the intro sound off if it still plays
    menu(10).Visible = true;
    info(15).Visible = true;
    Picture4.Visible = false;
    showPlayers(true);
    writeSpeeds(kIntro);
    Timer4.Enabled = true;
    Timer1.Enabled = true;
    manKeyDir = "left";
    drawing.Cls();
    Picture1.Cls();
    // The window makes room for the menu bar once per run.
    if (windowEnlarged.number() == 0) {
        windowEnlarged = 1;
        host_.setFormHeight(host_.formHeight() + game::kWindowGrowth);
    }
}

}  // namespace flow
