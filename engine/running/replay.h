// A recording from a player replayed on a running game, the one call a front end makes for it:
// checked whole first, then played to its last whole line as a recording (the recorder's words
// only; it writes no file).
#pragma once

#include <string_view>

#include "engine/running/recording_check.h"
#include "engine/running/running_game.h"

namespace running {

// Refused, nothing plays and the check's message goes to `errors` as one line; cut short, the
// message follows what played. What the recording's `print`s write goes to `out`.
ScriptCheck replayRecording(Game& game, std::string_view name, std::string_view text,
                            const ScriptSink& out, const ScriptSink& errors);

}  // namespace running
