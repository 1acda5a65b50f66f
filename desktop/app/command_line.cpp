#include "desktop/app/command_line.h"

#include <vector>

namespace app {

namespace {

// Qt's own options, with and without a value; QApplication reads them from argv itself.
const char* const kQtOptionsWithValue[] = {"platform",
                                           "platformpluginpath",
                                           "platformtheme",
                                           "plugin",
                                           "qwindowgeometry",
                                           "geometry",
                                           "qwindowicon",
                                           "qwindowtitle",
                                           "title",
                                           "display",
                                           "name",
                                           "visual",
                                           "ncols",
                                           "style",
                                           "stylesheet",
                                           "session",
                                           "qmljsdebugger"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "cmap"};

}  // namespace

running::CommandLine parseCommandLine(int argc, char* argv[], const std::string& settingsPath) {
    // File names stay the bytes they were given as.
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    return running::parseCommandLine(
        arguments, settingsPath,
        {.withValue = kQtOptionsWithValue,
         .flags = kQtFlags,
         .languageFrom = "LANGUAGE, LC_ALL,\n                    LC_MESSAGES, LANG",
         .moreHelp = "  Qt's own options (-platform, -display, -style, ...) work as ever.\n"});
}

}  // namespace app
