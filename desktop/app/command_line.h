// The desktop program's command line, read before Qt starts so that --help, --version and a
// mistyped option need no display: the game's own, with Qt's options taken and left for
// QApplication (-platform and -display among them, which the display check reads too).
#pragma once

#include <string>

#include "engine/running/command_line.h"

namespace app {

// `argv` as main() got it; `settingsPath` is named in the help.
running::CommandLine parseCommandLine(int argc, char* argv[], const std::string& settingsPath);

}  // namespace app
