// The program's command line, in the desktop program's words: the same options, help and
// refusals. Options hold for one run; the remembered settings are left alone.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/running/settings.h"

namespace win {

struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };
    Action action = Action::Play;
    std::string message;  // what to print: the help, the version, or the one-line refusal

    std::optional<int> zoom;
    bool fullScreen = false;
    bool mute = false;
    bool noAutoPause = false;
    bool classicTiming = false;
    std::string language;     // "cs", "en"; empty: as remembered or as Windows asks
    std::wstring recordPath;  // empty: no recording
    std::wstring replayPath;  // a recording to watch instead of playing

    int exitStatus() const { return action == Action::Refuse ? 2 : 0; }
    // The options of this run over the remembered settings.
    running::Settings over(running::Settings remembered) const;
};

// The arguments after the program's name; `settingsPath` is named in the help.
CommandLine parseCommandLine(const std::vector<std::wstring>& arguments,
                             const std::string& settingsPath);

}  // namespace win
