// The game tick: one step of the ball and the computer, the strokes, and the scoring steps that
// open every tick. Positions are single-precision twips: every sum is formed in double and
// rounded to single before it is compared or stored.
#include <cmath>

#include "engine/game/form1.h"
#include "engine/game/sprite.h"

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
    const double knock = std::floor(r * kKnocks + static_cast<int>(Clip::FirstKnock));
    cue_.PlayClip(tk::Value(static_cast<float>(knock)), kResourceType);
}

void Form1::flyBallSideways() {
    if (ballDirX == "left") {
        ball.Left = single(double(ball.Left) - ballStepX.number());
    } else if (ballDirX == "right") {
        ball.Left = single(double(ball.Left) + ballStepX.number());
    }
    // Straight ("rovne") is no sideways step; nor is a direction not yet assigned.
}

void Form1::bounceOffSideLines() {
    // Two separate tests, each reading the ball afresh; the ball is not pushed back inside.
    if (ball.Left < 0) {
        ballDirX = "right";
        cue_.play(Clip::Bounce);
    }
    if (single(double(Picture1.Width) - ball.Width) < ball.Left) {
        cue_.play(Clip::Bounce);
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
