// The menu: a new match at one of three levels, the help and about windows, and the exit.
// Every command first plays the menu cue.
#include "engine/flow/main_window.h"

namespace flow {

void MainWindow::playMenuCue() {
    cue_.play(game::Clip::Menu);
}

// The level's two speeds: the ball's vertical step and the computer's step, which goes through
// the hidden text box as text.
void MainWindow::writeSpeeds(const Level& level) {
    ballStepY = level.ballStepY;
    Text1.Text = level.pcStep;
    pcStep = Text1.Text;
}

// Stops whatever runs on the court, puts everyone back, zeroes and shows the score bar and
// writes the level's two speeds. It does not start play, and leaves Timer2, the ball's
// directions and its horizontal speed as the last rally left them.
void MainWindow::setUpMatch(const Level& level) {
    playMenuCue();
    Timer1.Enabled = false;
    Timer4.Enabled = false;
    man.Left = tk::single(double(Picture1.Width) / 2 - double(man.Width) / 2);
    pc.Left = tk::single(double(Picture1.Width) / 2 - double(pc.Width) / 2);
    ball.Left = tk::single(double(Picture1.Width) / 2);  // the ball's left edge on the middle
    ball.Top = game::kComputerServeTop;
    drawing.Cls();
    Picture1.Cls();
    Label9.Caption = "0";
    Label11.Caption = "0";
    Label2.Caption = "0";
    Label4.Caption = "0";
    Label12.Caption = "";
    for (tk::Label* label :
         {&Label2, &Label4, &Label6, &Label7, &Label8, &Label9, &Label10, &Label11}) {
        label->Visible = true;
    }
    showPlayers(true);
    writeSpeeds(level);
}

void MainWindow::exit_Click() {
    playMenuCue();
    host_.Unload(game::kForm1);
}

void MainWindow::hra_Click() {
    playMenuCue();
    host_.showModal(game::kForm3);
}

void MainWindow::about_Click() {
    playMenuCue();
    host_.showModal(game::kForm2);
}

}  // namespace flow
