// The intro's stand-in for the player: `man` copies the computer's horizontal place and walks
// with its own frames the way the computer walks, so both sides rally by themselves.
#include "engine/game/form1.h"
#include "engine/game/sprite.h"

namespace game {

void Form1::Timer4_Timer() {
    // A result the intro's hidden score produced is wiped at once.
    if (Label12.Caption != "")
        Label12.Caption = "";

    if (ball.Top > Picture1.Height)
        man.Left = pc.Left;

    // The ball above `man` with more than 9 twips to spare on either side: stand still. This
    // writes the computer's direction too, so the follow step below sees "".
    if (wellInside(ball, man)) {
        pcMoveDir = "";
        man.setPicture(n.picture());
    }

    if (!(nextHitter == "pc" || nextHitter == "man")) {
        man.setPicture(n.picture());
        return;
    }
    if (pcMoveDir == "left") {
        toggleFrame(man, l1, l2);
        man.Left = pc.Left;
    }
    if (pcMoveDir == "right") {
        toggleFrame(man, r1, r2);
        man.Left = pc.Left;
    }
}

}  // namespace game
