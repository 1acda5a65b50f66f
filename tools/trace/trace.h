// The headless driver: reads a script of events, plays them into the main window's model on a
// scripted host, and prints the state as one JSON object a line. Used to replay a run without a
// window, and by the tests' fixtures.
#pragma once

#include <iosfwd>
#include <string>

#include "flow/session.h"
#include "tools/trace/scripted_host.h"

namespace trace {

class Trace {
  public:
    // Runs every line; returns the number of lines that could not be understood.
    int run(std::istream& script, std::ostream& out, std::ostream& errors);

    // One line; throws std::invalid_argument with a message when it is not understood.
    void execute(const std::string& line, std::ostream& out);

    std::string stateJson();

    flow::Session<ScriptedHost> session;
};

}  // namespace trace
