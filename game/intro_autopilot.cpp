// The intro's stand-in for the player: `man` copies the computer's horizontal place and walks
// with its own frames the way the computer walks, so both sides rally by themselves.
#include "game/form1.h"

namespace game {

using tk::single;

void Form1::Timer4_Timer() {
    // A result the intro's hidden score produced is wiped at once.
    if (Label12.Caption != "")
        Label12.Caption = "";

    if (ball.Top > Picture1.Height)
        man.Left = pc.Left;

    // The ball above `man` with more than 9 twips to spare on either side: stand still. This
    // writes the computer's direction too, so the follow step below sees "".
    if (single(double(ball.Left) - 9) > man.Left &&
        single(double(man.Left) + man.Width) > single(double(ball.Left) + ball.Width + 9)) {
        pcMoveDir = "";
        man.setPicture(n.picture());
    }

    if (!(nextHitter == "pc" || nextHitter == "man")) {
        man.setPicture(n.picture());
        return;
    }
    if (pcMoveDir == "left") {
        man.setPicture(man.picture() == l1.picture() ? l2.picture() : l1.picture());
        man.Left = pc.Left;
    }
    if (pcMoveDir == "right") {
        man.setPicture(man.picture() == r1.picture() ? r2.picture() : r1.picture());
        man.Left = pc.Left;
    }
}

}  // namespace game
