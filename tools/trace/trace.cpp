#include "tools/trace/trace.h"

#include <istream>
#include <ostream>
#include <string>

#include "engine/running/recording_check.h"

namespace trace {

namespace {

// Reads `in` a piece at a time until `take` wants no more or it ends.
template <typename Take>
void readPieces(std::istream& in, Take&& take) {
    char piece[1 << 16];
    while (in) {
        in.read(piece, sizeof piece);
        if (in.gcount() > 0 &&
            !take(std::string_view(piece, static_cast<std::size_t>(in.gcount()))))
            return;
    }
}

}  // namespace

// No seed: Rnd answers what the script queues, and only the script's ticks move the game.
Trace::Trace() : game_(outlet_, running::Options{}) {}

int Trace::run(std::istream& script, std::ostream& out, std::ostream& errors) {
    const running::ScriptSink print = [&out](std::string_view s) { out << s; };
    const running::ScriptSink complain = [&errors](std::string_view s) { errors << s; };
    // The game plays scripts from here on; the lines then play as they come, so that no line is
    // kept longer than a line may be.
    game_.playScript({}, print, complain);
    running::ScriptPlayer player(game_);
    readPieces(script, [&](std::string_view piece) {
        player.feed(piece, print, complain);
        return true;
    });
    const int bad = player.finish(print, complain);
    out.flush();
    return bad;
}

int Trace::replay(std::istream& recording, std::string_view name, std::ostream& out,
                  std::ostream& errors, bool checkOnly) {
    running::RecordingReader reader{std::string(name), !checkOnly};
    readPieces(recording, [&reader](std::string_view piece) { return reader.feed(piece); });
    const running::ScriptCheck check = reader.finish();
    if (check.ok && !checkOnly) {
        game_.playScript(
            reader.script(), [&out](std::string_view s) { out << s; },
            [&errors](std::string_view s) { errors << s; }, running::ScriptKind::Recording);
        out.flush();
    }
    if (!check.message.empty())
        errors << check.message << '\n';
    return check.ok ? 0 : 2;
}

}  // namespace trace
