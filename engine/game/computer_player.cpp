// The computer player: step 5 of the game tick. It chases the ball's present horizontal place,
// without predicting its flight, with a margin of 9 twips to stand still and 10 to walk.
#include "engine/game/form1.h"
#include "engine/game/sprite.h"

namespace game {

void Form1::stepComputerPlayer() {
    // Three tests in order; a later one overrides an earlier, so in the one-twip bands where the
    // ball is "well inside" and also "to one side", the walk wins.
    if (wellInside(ball, pc)) {
        pcMoveDir = "";
        pc.setPicture(pn.picture());
    }
    if (tk::single(double(ball.Left) - 10) < pc.Left)
        pcMoveDir = "left";
    if (rightEdge(pc) < rightEdge(ball, 10)) {
        pcMoveDir = "right";
    }

    // Before the first stroke of the run the computer stands and waits.
    if (!(nextHitter == "pc" || nextHitter == "man")) {
        pc.setPicture(pn.picture());
        return;
    }
    if (pcMoveDir == "left") {
        toggleFrame(pc, pl1, pl2);
        pc.Left = tk::single(double(pc.Left) - pcStep.number());
    }
    if (pcMoveDir == "right") {
        toggleFrame(pc, pr1, pr2);
        pc.Left = tk::single(double(pc.Left) + pcStep.number());
    }
}

}  // namespace game
