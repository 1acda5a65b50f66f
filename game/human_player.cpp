// Walking the player's sprite while a cursor key is held: a step of ballStepY - 10 twips a tick,
// two walking frames that alternate, and the direction echoed in Label1 for the stroke.
#include "game/form1.h"

namespace game {

using tk::single;

namespace {
constexpr float kRightmostStart = 3480;  // a step right is still taken from exactly here
}

void Form1::Timer2_Timer() {
    if (manKeyDir == "")
        man.setPicture(n.picture());
    if (manKeyDir == "left") {
        man.setPicture(man.picture() == l1.picture() ? l2.picture() : l1.picture());
        // The bound looks at the place before the step, strictly: from 0 one more step is
        // taken, so the sprite can end up to one step past the edge.
        if (!(man.Left < 0))
            man.Left = single(double(man.Left) - ballStepY.number() + 10);
        Label1.Caption = "left";
    }
    if (manKeyDir == "right") {
        man.setPicture(man.picture() == r1.picture() ? r2.picture() : r1.picture());
        if (!(man.Left > kRightmostStart))
            man.Left = single(double(man.Left) + ballStepY.number() - 10);
        Label1.Caption = "right";
    }
}

}  // namespace game
