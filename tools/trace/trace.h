// The headless driver: reads a script of events, plays them into the main window's model with a
// fake host, and prints the state as one JSON object a line. Used to replay a run without a
// window, and by the tests' fixtures.
#pragma once

#include <iosfwd>
#include <string>

#include "flow/main_window.h"
#include "tests/support/fake_host.h"

namespace trace {

class Trace {
  public:
    Trace();

    // Runs every line; returns the number of lines that could not be understood.
    int run(std::istream& script, std::ostream& out, std::ostream& errors);

    // One line; throws std::invalid_argument with a message when it is not understood.
    void execute(const std::string& line, std::ostream& out);

    std::string stateJson();

    testing_support::FakeHost host;
    flow::Module1 module1{host};
    flow::MainWindow form{host, module1};

  private:
    void set(const std::string& name, const std::string& value);
    std::size_t clipsShown_ = 0;
};

}  // namespace trace
