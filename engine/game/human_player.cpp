// Walking the player's sprite while a cursor key is held: a step of ballStepY - 10 twips a tick,
// two walking frames that alternate, and the direction echoed in Label1 for the stroke.
#include "engine/game/form1.h"
#include "engine/game/sprite.h"

namespace game {

using tk::single;

namespace {
constexpr float kRightmostStart = 3480;  // a step right is still taken from exactly here
}

void Form1::Timer2_Timer() {
    if (manKeyDir == "")
        man.setPicture(n.picture());
    if (manKeyDir == "left") {
        toggleFrame(man, l1, l2);
        // The bound looks at the place before the step, strictly: from 0 one more step is
        // taken, so the sprite can end up to one step past the edge.
        if (!(man.Left < 0))
            man.Left = single(double(man.Left) - ballStepY.number() + 10);
        Label1.Caption = "left";
    }
    if (manKeyDir == "right") {
        toggleFrame(man, r1, r2);
        if (!(man.Left > kRightmostStart))
            man.Left = single(double(man.Left) + ballStepY.number() - 10);
        Label1.Caption = "right";
    }
}

}  // namespace game
