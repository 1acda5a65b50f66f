// The main window's state as one line of JSON: the sprites, the ball, the score, the variables,
// the timers and menus, and what the game asked of the world since the last report (clips,
// pauses, message boxes, the window's growth). The trace driver prints it, and a recording ends
// with the game's own, so that the two can be compared.
#pragma once

#include <string>
#include <vector>

#include "engine/flow/main_window.h"

namespace flow {

// The nine variables of the match state, in the order the report writes them. The trace
// driver's `set` finds them here too.
struct StateVariable {
    const char* name;
    tk::Value game::Form1::*value;
};
extern const StateVariable kStateVariables[9];

struct OutsideEffects {
    std::vector<int> clips;  // clip ids, in the order they were played
    std::vector<int> sleeps;
    std::vector<std::string> messages;
    double heightAdded = 0;  // twips the window grew by
};

std::string stateReport(const MainWindow& form, const OutsideEffects& effects);

}  // namespace flow
