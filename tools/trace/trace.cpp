#include "tools/trace/trace.h"

#include <istream>
#include <iterator>
#include <ostream>
#include <string>

namespace trace {

// No seed: Rnd answers what the script queues, and only the script's ticks move the game.
Trace::Trace() : game_(outlet_, running::Options{}) {}

int Trace::run(std::istream& script, std::ostream& out, std::ostream& errors) {
    const std::string text{std::istreambuf_iterator<char>(script), {}};
    const int bad = game_.playScript(
        text, [&out](std::string_view s) { out << s; },
        [&errors](std::string_view s) { errors << s; });
    out.flush();
    return bad;
}

}  // namespace trace
