#include "engine/running/command_line.h"

#include <algorithm>

#include "assets/embedded_translations.h"

namespace running {

namespace {

std::string helpText(const std::string& settingsPath, const FrontEndOptions& frontEnd) {
    return "Usage: smashbol [options]\n"
           "SMASHBOL 2002, a little Czech tennis game against the computer. Click the\n"
           "title picture, pick a level (Hra > Obtížnost), then press P or a cursor key.\n"
           "\n"
           "Keys:\n"
           "  Left, Right       walk your player; start or resume the match\n"
           "  P                 start, pause and resume\n"
           "  Ctrl+A, B, C      a new match: easy, medium, hard\n"
           "  Ctrl+D            quit\n"
           "  Ctrl+Plus, Ctrl+Minus, Ctrl+0   zoom in, out, back to 1;  F11  full screen\n"
           "  F10               the menu bar, as Alt\n"
           "  Right click, Menu key, Shift+F10   the settings menu\n"
           "  Gamepad: d-pad or left stick walk, A or Start is P\n"
           "\n"
           "Options (for this run only):\n"
           "  --zoom N          window zoom, 1 to 4\n"
           "  --fullscreen      start in full screen\n"
           "  --mute            no sound\n"
           "  --no-auto-pause   do not pause when the window loses focus\n"
           "  --classic-timing  timers on the 15.625 ms beat of 2002's desktops (64/s)\n"
           "  --lang cs|en      the language of the game's words (Czech is its own);\n"
           "                    otherwise as remembered, or as " +
           frontEnd.languageFrom +
           "\n"
           "  --record FILE     write the session as a script for smashbol-trace\n"
           "  --replay FILE     watch a recording: P pause, Right/Left faster/slower,\n"
           "                    Esc leave\n"
           "  --help            this text;  --version  the version\n" +
           frontEnd.moreHelp +
           "\n"
           "Settings (zoom, full screen, sound, auto-pause, classic timing, language),\n"
           "changed in the\n"
           "settings menu or with the keys, live in\n"
           "  " +
           (settingsPath.empty() ? std::string("(no config folder)") : settingsPath) + "\n";
}

CommandLine refuse(const std::string& what) {
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.message = "smashbol: " + what + "; see 'smashbol --help'\n";
    return line;
}

}  // namespace

running::Settings CommandLine::over(running::Settings remembered) const {
    if (zoom)
        remembered.zoom = *zoom;
    remembered.fullScreen = remembered.fullScreen || fullScreen;
    remembered.mute = remembered.mute || mute;
    remembered.autoPause = remembered.autoPause && !noAutoPause;
    remembered.classicTiming = remembered.classicTiming || classicTiming;
    if (!language.empty())
        remembered.language = language;
    return remembered;
}

std::optional<std::string> CommandLine::frontEndOption(std::string_view name) const {
    for (const auto& [given, value] : frontEnd) {
        if (given == name)
            return value;
    }
    return std::nullopt;
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments,
                             const std::string& settingsPath, const FrontEndOptions& frontEnd) {
    const auto named = [](std::span<const char* const> names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    CommandLine line;
    bool help = false, version = false;
    std::optional<std::string> zoom, lang;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.size() < 2 || argument[0] != '-')
            return refuse("unexpected argument '" + argument + "'");
        // "--name", "-name", "--name=value" and "--name value", as the desktop takes them.
        std::string name = argument.substr(argument[1] == '-' ? 2 : 1);
        std::optional<std::string> value;
        if (const std::size_t equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        const auto takeValue = [&]() -> std::optional<std::string> {
            if (value)
                return value;
            if (i + 1 < arguments.size())
                return arguments[++i];
            return std::nullopt;
        };
        bool* flag = name == "fullscreen"            ? &line.fullScreen
                     : name == "mute"                ? &line.mute
                     : name == "no-auto-pause"       ? &line.noAutoPause
                     : name == "classic-timing"      ? &line.classicTiming
                     : name == "h" || name == "help" ? &help
                     : name == "version"             ? &version
                                                     : nullptr;
        if (flag && !value) {
            *flag = true;
        } else if (flag) {
            return refuse("unexpected value after '--" + name + "'");
        } else if (name == "zoom" || name == "lang" || name == "record" || name == "replay") {
            const std::optional<std::string> given = takeValue();
            if (!given)
                return refuse("missing value after '--" + name + "'");
            if (name == "zoom")
                zoom = given;
            else if (name == "lang")
                lang = given;
            else
                (name == "record" ? line.recordPath : line.replayPath) = *given;
            if ((name == "record" || name == "replay") && given->empty())
                return refuse("--" + name + " needs a file name");
        } else if (named(frontEnd.withValue, name)) {
            const std::optional<std::string> given = takeValue();
            if (!given)
                return refuse("missing value after '--" + name + "'");
            line.frontEnd.emplace_back(name, *given);
        } else if (named(frontEnd.flags, name) && !value) {
            line.frontEnd.emplace_back(name, "");
        } else {
            return refuse("unknown option '" + std::string(name.size() == 1 ? "-" : "--") + name +
                          "'");
        }
    }
    if (!line.replayPath.empty() && !line.recordPath.empty())
        return refuse("--replay and --record do not go together");
    if (help) {
        line.action = CommandLine::Action::Help;
        line.message = helpText(settingsPath, frontEnd);
        return line;
    }
    if (version) {
        line.action = CommandLine::Action::Version;
        line.message = "smashbol " SMASHBOL_VERSION "\n";
        return line;
    }
    if (zoom) {
        const bool digit = zoom->size() == 1 && (*zoom)[0] >= '1' && (*zoom)[0] <= '4';
        if (!digit)
            return refuse("--zoom takes 1 to 4, not '" + *zoom + "'");
        line.zoom = (*zoom)[0] - '0';
    }
    if (lang) {
        if (!assets::speaks(*lang))
            return refuse("--lang takes cs or en, not '" + *lang + "'");
        line.language = *lang;
    }
    return line;
}

}  // namespace running
