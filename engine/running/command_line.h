// The game's command line, one for every program that runs it: the same options, help and
// refusals on the desktop and on Windows. Options hold for one run; the remembered settings are
// left alone.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/running/settings.h"

namespace running {

struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };
    Action action = Action::Play;
    std::string message;  // what to print: the help, the version, or the one-line refusal

    std::optional<int> zoom;
    bool fullScreen = false;
    bool mute = false;
    bool noAutoPause = false;
    bool classicTiming = false;
    std::string language;    // "cs", "en"; empty: as remembered or as the system asks
    std::string recordPath;  // empty: no recording
    std::string replayPath;  // a recording to watch instead of playing
    // The front end's own options that were given, by name, with their values ("" for a flag).
    std::vector<std::pair<std::string, std::string>> frontEnd;

    int exitStatus() const { return action == Action::Refuse ? 2 : 0; }
    // The options of this run over the remembered settings.
    Settings over(Settings remembered) const;
    // The value of a front end's own option, if it was given.
    std::optional<std::string> frontEndOption(std::string_view name) const;
};

// What a front end adds to the line: the options of its toolkit, taken and handed back (with a
// value or as flags), where the language comes from when none is asked for, and help of its own.
struct FrontEndOptions {
    std::span<const char* const> withValue;
    std::span<const char* const> flags;
    std::string languageFrom = "the system's";  // after "otherwise as remembered, or as "
    std::string moreHelp;                       // lines after the game's options
};

// The arguments after the program's name: "--name", "-name", "--name=value", "--name value".
// `settingsPath` is named in the help.
CommandLine parseCommandLine(const std::vector<std::string>& arguments,
                             const std::string& settingsPath, const FrontEndOptions& frontEnd = {});

}  // namespace running
