// The keys: Left and Right steer and start play, "P" pauses and resumes. Nothing answers a
// key-down until a match has been set up once (the score label Label4 shown); a key-up always
// stops the player's sprite.
#include "engine/game/form1.h"

namespace game {

void Form1::Form_KeyDown(int KeyCode, int /*Shift*/) {
    if (!Label4.Visible)
        return;
    if (KeyCode == kKeyLeft) {
        Timer2.Enabled = true;
        Timer1.Enabled = true;
        manKeyDir = "left";
    }
    if (KeyCode == kKeyRight) {
        Timer2.Enabled = true;
        Timer1.Enabled = true;
        manKeyDir = "right";
    }
    if (KeyCode == kKeyP) {
        if (Timer2.Enabled && Timer1.Enabled) {
            info(15).Enabled = true;
            Timer2.Enabled = false;
            Timer1.Enabled = false;
        } else {
            if (Label12.Caption != "")
                return;  // a decided match is not resumed
            Timer2.Enabled = true;
            Timer1.Enabled = true;
        }
    }
    // The arrows do not look at the result message: in a decided match they restart both
    // timers, and the next game tick finds the match over and stops them again.
}

void Form1::Form_KeyUp(int /*KeyCode*/, int /*Shift*/) {
    // Any key released stops the sprite, even while another arrow is still held.
    manKeyDir = "";
    Label1.Caption = "";
}

}  // namespace game
