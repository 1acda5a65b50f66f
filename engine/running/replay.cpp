#include "engine/running/replay.h"

#include <string>

namespace running {

ScriptCheck replayRecording(Game& game, std::string_view name, std::string_view text,
                            const ScriptSink& out, const ScriptSink& errors) {
    const ScriptCheck check = checkRecording(name, text);
    if (check.ok)
        game.playScript(text.substr(0, check.playable), out, errors, ScriptKind::Recording);
    if (!check.message.empty())
        errors(check.message + "\n");
    return check;
}

}  // namespace running
