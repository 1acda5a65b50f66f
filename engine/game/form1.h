// The main window's model: every control of the court and the score bar, the nine variables of
// the match state, and the handlers that play the game. Plain C++: a test builds one with a fake
// host and calls the handlers directly.
#pragma once

#include <string>
#include <vector>

#include "engine/core/controls.h"
#include "engine/core/host.h"
#include "engine/core/value.h"
#include "engine/game/clip_cue.h"
#include "engine/game/form_names.h"

namespace game {

inline const std::string kTitle = "SMASHBOL 2002";

// The window and the court, in twips (15 to a pixel).
constexpr float kClientWidth = 4545;
constexpr float kClientHeight = 4755;
constexpr float kWindowGrowth = 200;  // the menu bar's room, added once when the intro starts

// Where the ball's top edge goes for a serve: just in front of `man`, or of `pc` (where the ball
// also waits at the start of a match).
constexpr float kPlayerServeTop = 3240;
constexpr float kComputerServeTop = 650;

constexpr tk::Color kCourtOrange = tk::RGB(255, 112, 0);  // court surface, sprite background
constexpr tk::Color kCourtDesignOrange = tk::RGB(255, 128, 0);
constexpr tk::Color kGrassGreen = tk::RGB(0, 192, 0);

inline const std::string kYouWon = "Vyhrál jsi !!!!";
inline const std::string kYouLost = "Prohrál jsi !!!!";

constexpr int kKeyLeft = 37;
constexpr int kKeyRight = 39;
constexpr int kKeyP = 80;

class Form1 {
  public:
    Form1(tk::Host& host, ClipCue& cue);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // --- handlers of the match engine ---
    void Timer1_Timer();  // the game tick: score, computer step, ball flight, strokes
    void Timer2_Timer();  // walks `man` while a cursor key is held
    void Timer4_Timer();  // the intro's autopilot for `man`
    void Form_KeyDown(int KeyCode, int Shift);
    void Form_KeyUp(int KeyCode, int Shift);

    // The controls of each container in the window's own order (earlier-listed picture boxes
    // lie above later ones).
    std::vector<tk::ControlRef> windowControls();
    std::vector<tk::ControlRef> courtControls();
    std::vector<tk::ControlRef> splashControls();

    // --- the window itself ---
    std::string Caption = kTitle;
    tk::Color BackColor = kGrassGreen;
    tk::Picture backgroundPicture;  // grass and score panel, painted from the top-left corner
    tk::Picture Icon;
    tk::Surface drawing;  // what Line draws on the window itself

    // --- window frame: splash, court, score bar, hidden holder ---
    tk::PictureBox Picture4;  // intro splash, covers the court until clicked
    tk::Label Label5;         // "CLICK" on the splash
    tk::TextBox Text1;        // hidden: the computer's step of the chosen level, as text
    tk::PictureBox Picture1;  // the court; its client area is the frame of everything below
    tk::Label Label8;         // "Na sety:"
    tk::Label Label9;         // sets won by the player
    tk::Label Label10;        // ":"
    tk::Label Label11;        // sets won by the computer
    tk::Label Label7;         // "Hra:"
    tk::Label Label2;         // points of the player in this set
    tk::Label Label6;         // ":"
    tk::Label Label4;         // points of the computer in this set; once shown, keys are live

    // --- court frame: hidden frame holders, the sprites, the ball ---
    tk::PictureBox Picture3;            // the player's striking frame
    tk::PictureBox Picture2;            // the computer's striking frame
    tk::PictureBox r1, l1, r2, l2;      // the player's walking frames, right and left
    tk::PictureBox n;                   // the player's standing frame
    tk::PictureBox pn;                  // the computer's standing frame
    tk::PictureBox pl1, pr1, pl2, pr2;  // the computer's walking frames, left and right
    tk::PictureBox man;                 // the player's sprite, bottom baseline
    tk::PictureBox pc;                  // the computer's sprite, top baseline
    tk::Label Label1;   // hidden: direction of the player's last step ("left", "right", "")
    tk::Label Label3;   // hidden: copy of ballStepX
    tk::Label Label12;  // the result message
    tk::Shape ball;

    tk::Timer Timer1;  // game tick, 10 ms
    tk::Timer Timer2;  // walks `man` while a cursor key is held, 10 ms
    tk::Timer Timer4;  // intro autopilot, 1 ms

    // --- the menu ---
    tk::MenuArray menu{10, {"menu", "Hra", "", false, true}};
    tk::MenuArray dif{10, {"dif", "&Obtížnost", "", true, true}};
    tk::MenuItem easy{"easy", "&Malá", "Ctrl+A", true, true};
    tk::MenuItem med{"med", "&Střední", "Ctrl+B", true, true};
    tk::MenuItem hard{"hard", "&Velká", "Ctrl+C", true, true};
    tk::MenuItem exit{"exit", "&Exit", "Ctrl+D", true, true};
    tk::MenuArray info{15, {"info", "Informace", "", false, true}};
    tk::MenuItem hra{"hra", "Ovládání hry", "", true, true};
    tk::MenuItem about{"about", "Informace", "", true, true};

    // --- the match state ---
    tk::Value windowEnlarged;  // 1 once the window has grown for the menu bar
    tk::Value manKeyDir;       // "left", "right" or "": which way the player steers
    tk::Value ballStepY;       // vertical ball step per tick; the player walks this less 10
    tk::Value nextHitter;      // "pc" or "man": who returns next; empty before the first stroke
    tk::Value ballDirX;        // "left", "right" or "rovne" (straight)
    tk::Value pcStep;          // the computer's step per tick: a text or a number
    tk::Value ballStepX;       // horizontal ball step per tick
    tk::Value pcMoveDir;       // "left", "right" or "": the computer's step this tick
    tk::Value ballDirY;        // "down" towards the player, "up" towards the computer

  protected:
    tk::Host& host_;
    ClipCue& cue_;

    void playStrokeClip();
    void showPlayers(bool visible);  // both sprites and the ball

  private:
    // The steps of one game tick, in their order.
    void endMatchIfDecided();
    void scoreBallOutAtTop();
    void scoreBallOutAtBottom();
    void stepComputerPlayer();
    void flyBallSideways();
    void bounceOffSideLines();
    void flyBallUpOrDown();
    void strikeByPlayer();
    void strikeByComputer();

    void endMatch(const std::string& message);
    void awardPoint(tk::Label& winnerPoints, const tk::Label& loserPoints, tk::Label& winnerSets,
                    float serveTop, const tk::PictureBox& server);
    void serveAfterPoint();
};

// A caption read as a number, as the score labels are.
inline double numberOf(const tk::Label& label) {
    return tk::parseDecimal(label.Caption);
}

}  // namespace game
