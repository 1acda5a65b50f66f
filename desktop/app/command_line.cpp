#include "desktop/app/command_line.h"

#include <QCommandLineParser>

#include "assets/embedded_translations.h"

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

QString helpText(const QString& settingsPath) {
    return QStringLiteral(
               "Usage: smashbol [options]\n"
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
               "  --mute            no sound; no audio device is opened\n"
               "  --no-auto-pause   do not pause when the window loses focus\n"
               "  --classic-timing  timers on the 15.625 ms beat of 2002's desktops (64/s)\n"
               "  --lang cs|en      the language of the game's words (Czech is its own);\n"
               "                    otherwise as remembered, or LANGUAGE, LC_ALL,\n"
               "                    LC_MESSAGES, LANG\n"
               "  --record FILE     write the session as a script for smashbol-trace\n"
               "  --replay FILE     watch a recording: P pause, Right/Left faster/slower,\n"
               "                    Esc leave\n"
               "  --help            this text;  --version  the version\n"
               "  Qt's own options (-platform, -display, -style, ...) work as ever.\n"
               "\n"
               "Settings (zoom, full screen, sound, auto-pause, classic timing, language),\n"
               "changed in the\n"
               "settings menu or with the keys, live in\n"
               "  %1\n")
        .arg(settingsPath.isEmpty() ? QStringLiteral("(no config folder)") : settingsPath);
}

CommandLine refuse(const QString& what) {
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

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

CommandLine parseCommandLine(const QStringList& arguments, const QString& settingsPath) {
    QCommandLineParser parser;
    // "-platform" is one option, as Qt reads it, not the letters p, l, a, ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help"}, "");
    const QCommandLineOption version("version", "");
    const QCommandLineOption zoom("zoom", "", "N");
    const QCommandLineOption fullScreen("fullscreen", "");
    const QCommandLineOption mute("mute", "");
    const QCommandLineOption noAutoPause("no-auto-pause", "");
    const QCommandLineOption classicTiming("classic-timing", "");
    const QCommandLineOption record("record", "", "FILE");
    const QCommandLineOption replay("replay", "", "FILE");
    const QCommandLineOption lang("lang", "", "LANGUAGE");
    parser.addOptions(
        {help, version, zoom, fullScreen, mute, noAutoPause, classicTiming, record, replay, lang});
    for (const char* name : kQtOptionsWithValue)
        parser.addOption(QCommandLineOption(name, "", "value"));
    for (const char* name : kQtFlags)
        parser.addOption(QCommandLineOption(name, ""));

    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().first();
            return refuse(
                QString("unknown option '%1%2'").arg(name.size() == 1 ? "-" : "--", name));
        }
        QString text = parser.errorText();
        if (text.endsWith('.'))
            text.chop(1);
        return refuse(text.left(1).toLower() + text.mid(1));
    }
    CommandLine line;
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::Help;
        line.message = helpText(settingsPath);
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::Version;
        line.message = "smashbol " SMASHBOL_VERSION "\n";
        return line;
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse("unexpected argument '" + parser.positionalArguments().first() + "'");
    if (parser.isSet(zoom)) {
        bool ok = false;
        const QString value = parser.value(zoom);
        const int n = value.toInt(&ok);
        if (!ok || n < 1 || n > 4)
            return refuse("--zoom takes 1 to 4, not '" + value + "'");
        line.zoom = n;
    }
    if (parser.isSet(lang)) {
        const std::string code = parser.value(lang).toStdString();
        if (!assets::speaks(code))
            return refuse("--lang takes cs or en, not '" + parser.value(lang) + "'");
        line.language = code;
    }
    if (parser.isSet(record)) {
        line.recordPath = parser.value(record);
        if (line.recordPath.isEmpty())
            return refuse("--record needs a file name");
    }
    if (parser.isSet(replay)) {
        line.replayPath = parser.value(replay);
        if (line.replayPath.isEmpty())
            return refuse("--replay needs a file name");
        // What is watched is a session played before: there is none to record.
        if (parser.isSet(record))
            return refuse("--replay and --record do not go together");
    }
    line.qtPlatform = parser.value("platform");
    line.qtDisplay = parser.value("display");
    line.fullScreen = parser.isSet(fullScreen);
    line.mute = parser.isSet(mute);
    line.noAutoPause = parser.isSet(noAutoPause);
    line.classicTiming = parser.isSet(classicTiming);
    return line;
}

}  // namespace app
