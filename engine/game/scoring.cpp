// The first three steps of the game tick: the end of the match, and a point when the ball has
// left the court at the top or the bottom. A set needs 6 points and a lead of 2, with no upper
// limit; two sets win the match.
#include "engine/game/form1.h"

namespace game {

using tk::single;

namespace {
constexpr int kPause = 700;  // ms the window stands still after a point

void addOne(tk::Label& score) {
    score.Caption = tk::formatNumber(numberOf(score) + 1);
}
}  // namespace

void Form1::endMatchIfDecided() {
    // Two separate tests, each reading both set counts afresh.
    if (numberOf(Label9) == 2 && numberOf(Label11) < 2)
        endMatch(kYouWon);
    if (numberOf(Label9) < 2 && numberOf(Label11) == 2)
        endMatch(kYouLost);
}

void Form1::endMatch(const std::string& message) {
    Timer1.Enabled = false;
    Timer2.Enabled = false;
    Label12.Caption = message;
    showPlayers(false);
}

void Form1::showPlayers(bool visible) {
    man.Visible = visible;
    pc.Visible = visible;
    ball.Visible = visible;
}

void Form1::scoreBallOutAtTop() {
    // The point counts as soon as the ball's top edge is above the court, strictly.
    if (ball.Top < 0)
        awardPoint(Label2, Label4, Label9, kPlayerServeTop, man);
}

void Form1::scoreBallOutAtBottom() {
    // At the bottom only a ball that has left the court entirely counts.
    const float courtHeight = Picture1.Height;
    if (ball.Top > courtHeight)
        awardPoint(Label4, Label2, Label11, kComputerServeTop, pc);
}

// The point's winner counts one; with 6 or more and a lead of 2 (both inclusive) he takes the
// set and both point counts start again. Then he serves: the ball's left edge goes to his middle.
void Form1::awardPoint(tk::Label& winnerPoints, const tk::Label& loserPoints, tk::Label& winnerSets,
                       float serveTop, const tk::PictureBox& server) {
    addOne(winnerPoints);
    cue_.play(Clip::Point);
    const double loser = numberOf(loserPoints);
    const double winner = numberOf(winnerPoints);
    if (winner - loser >= 2 && winner >= 6) {
        addOne(winnerSets);
        cue_.play(Clip::Set);
        Label2.Caption = "0";
        Label4.Caption = "0";
    }
    ball.Top = serveTop;
    ball.Left = single(double(server.Left) + double(server.Width) / 2);
    serveAfterPoint();
}

// The pause, the serve's knock, and the ball put back to straight flight at the serve speeds.
// The vertical direction stays: the serve flies on away from the server.
void Form1::serveAfterPoint() {
    host_.Sleep(kPause);
    playStrokeClip();
    ballDirX = "rovne";
    pcStep = 50;
    ballStepX = 40;
}

}  // namespace game
