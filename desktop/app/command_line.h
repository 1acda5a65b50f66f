// The program's command line, read before Qt starts so that --help, --version and a mistyped
// option need no display. Options hold for one run; the remembered settings are left alone.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "engine/running/settings.h"

namespace app {

struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };
    Action action = Action::Play;
    QString message;  // what to print: the help, the version, or the one-line refusal

    std::optional<int> zoom;
    bool fullScreen = false;
    bool mute = false;
    bool noAutoPause = false;
    bool classicTiming = false;
    std::string language;           // "cs", "en"; empty: as remembered or as the desktop asks
    QString recordPath;             // empty: no recording
    QString replayPath;             // a recording to watch instead of playing
    QString qtPlatform, qtDisplay;  // Qt's -platform and -display, when given

    // The exit status for Help, Version and Refuse.
    int exitStatus() const { return action == Action::Refuse ? 2 : 0; }

    // The options of this run over the remembered preferences.
    running::Settings over(running::Settings remembered) const;
};

// `arguments` as main() got them, the program's name first. Qt's own options (-platform,
// -display, -style, ...) are accepted and left for QApplication. `settingsPath` is named in the
// help.
CommandLine parseCommandLine(const QStringList& arguments, const QString& settingsPath);

QStringList argumentsOf(int argc, char* argv[]);

}  // namespace app
