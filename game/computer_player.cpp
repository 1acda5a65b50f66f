// The computer player: step 5 of the game tick. It chases the ball's present horizontal place,
// without predicting its flight, with a margin of 9 twips to stand still and 10 to walk.
#include "game/form1.h"

namespace game {

using tk::single;

void Form1::stepComputerPlayer() {
    // Three tests in order; a later one overrides an earlier, so in the one-twip bands where the
    // ball is "well inside" and also "to one side", the walk wins.
    if (single(double(ball.Left) - 9) > pc.Left &&
        single(double(pc.Left) + pc.Width) > single(double(ball.Left) + ball.Width + 9)) {
        pcMoveDir = "";
        pc.setPicture(pn.picture());
    }
    if (single(double(ball.Left) - 10) < pc.Left)
        pcMoveDir = "left";
    if (single(double(pc.Left) + pc.Width) < single(double(ball.Left) + ball.Width + 10)) {
        pcMoveDir = "right";
    }

    // Before the first stroke of the run the computer stands and waits.
    if (!(nextHitter == "pc" || nextHitter == "man")) {
        pc.setPicture(pn.picture());
        return;
    }
    if (pcMoveDir == "left") {
        pc.setPicture(pc.picture() == pl1.picture() ? pl2.picture() : pl1.picture());
        pc.Left = single(double(pc.Left) - pcStep.number());
    }
    if (pcMoveDir == "right") {
        pc.setPicture(pc.picture() == pr1.picture() ? pr2.picture() : pr1.picture());
        pc.Left = single(double(pc.Left) + pcStep.number());
    }
}

}  // namespace game
