// The game tick: one step of the ball and the computer, the strokes, and the scoring steps that
// open every tick. Positions are single-precision twips: every sum is formed in double and
// rounded to single before it is compared or stored.
#include <cmath>

#include "game/form1.h"

namespace game {

using tk::single;

void Form1::Timer1_Timer() {
    // The order matters: the score is settled before anyone moves, and even the tick that ends
    // the match runs all of its steps.
    endMatchIfDecided();
    scoreBallOutAtTop();
    scoreBallOutAtBottom();
    Label3.Caption = ballStepX.toText();
    stepComputerPlayer();
    flyBallSideways();
    bounceOffSideLines();
    flyBallUpOrDown();
    strikeByPlayer();
    strikeByComputer();
}

// One of the four knocks at random, drawn anew for every stroke. The draw is made in double so
// that a value just under 1 still picks the fourth knock.
void Form1::playStrokeClip() {
    const double r = host_.Rnd();
    cue_.PlayClip(tk::Value(static_cast<float>(std::floor(r * 4.0 + 1.0))), kResourceType);
}

void Form1::flyBallSideways() {
    if (ballDirX == "left") {
        ball.Left = single(double(ball.Left) - ballStepX.number());
    } else if (ballDirX == "right") {
        ball.Left = single(double(ball.Left) + ballStepX.number());
    } else if (ballDirX == "rovne") {
        ball.Left = ball.Left;
    }
    // Before its first assignment the direction matches none of these: the ball keeps its place.
}

void Form1::bounceOffSideLines() {
    // Two separate tests, each reading the ball afresh; the ball is not pushed back inside.
    if (ball.Left < 0) {
        ballDirX = "right";
        cue_.PlayClip(5, kResourceType);
    }
    if (single(double(Picture1.Width) - ball.Width) < ball.Left) {
        cue_.PlayClip(5, kResourceType);
        ballDirX = "left";
    }
}

void Form1::flyBallUpOrDown() {
    if (ballDirY == "down") {
        ball.Top = single(double(ball.Top) + ballStepY.number());
    } else if (ballDirY == "up") {
        ball.Top = single(double(ball.Top) - ballStepY.number());
    }
}

// Strict overlap of the two boxes, each edge sum rounded to single. The direction of flight does
// not matter, so a ball that takes several ticks to cross a sprite is struck on each of them.
static bool touches(const tk::Control& ball, const tk::Control& sprite) {
    return single(double(ball.Top) + ball.Height) > sprite.Top &&
           single(double(sprite.Top) + sprite.Height) > ball.Top &&
           single(double(ball.Left) + ball.Width) > sprite.Left &&
           single(double(sprite.Left) + sprite.Width) > ball.Left;
}

void Form1::strikeByPlayer() {
    if (!touches(ball, man)) {
        man.BackColor = kCourtOrange;
        return;
    }
    playStrokeClip();
    man.setPicture(Picture3.picture());
    man.BackColor = tk::kBlack;
    // A stroke made while walking sends the ball that way, 5 twips faster; a standing stroke
    // (Label1 "" or its design text) only turns the ball upwards.
    if (Label1.Caption == "right") {
        ballStepX = ballStepX + 5;
        ballDirX = "right";
    }
    if (Label1.Caption == "left") {
        ballStepX = ballStepX + 5;
        ballDirX = "left";
    }
    ballDirY = "up";
    nextHitter = "pc";
}

void Form1::strikeByComputer() {
    if (!touches(ball, pc)) {
        pc.BackColor = kCourtOrange;
        return;
    }
    nextHitter = "man";
    pc.BackColor = tk::kBlack;
    playStrokeClip();
    pc.setPicture(Picture2.picture());
    ballDirY = "down";
    host_.Randomize();
    const double r = std::floor(2.0 * host_.Rnd());
    if (r == 0)
        ballDirX = "left";
    if (r == 1)
        ballDirX = "right";
}

}  // namespace game
