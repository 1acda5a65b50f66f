// The program's command line, as the desktop and the Windows program both read it: the game's
// options, a front end's own taken and handed back, and one line pointing at --help for the rest.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/running/command_line.h"

namespace {

TEST(CommandLine, AcceptsTheGamesOptionsAndAFrontEndsAndRefusesTheRest) {
    using A = running::CommandLine::Action;
    const char* const withValue[] = {"platform", "display"};
    const char* const flags[] = {"reverse"};
    const running::FrontEndOptions qt{withValue, flags, "LANGUAGE", "  Qt's own options\n"};
    struct Row {
        const char* name;
        std::vector<std::string> args;
        A action;
        const char* says;  // a piece of the message
    };
    const Row rows[] = {
        {"nothing", {}, A::Play, ""},
        {"every option",
         {"--zoom", "4", "--fullscreen", "-mute", "--no-auto-pause", "--classic-timing",
          "--record=s.trace", "--lang", "en"},
         A::Play,
         ""},
        {"the front end's own, one dash", {"-platform", "offscreen", "-reverse"}, A::Play, ""},
        {"help before a mistake", {"--help", "--zoom", "9"}, A::Help, "--classic-timing"},
        {"help names the front end's", {"-h"}, A::Help, "or as LANGUAGE\n"},
        {"help names the watching", {"--help"}, A::Help, "--replay FILE     watch a recording"},
        {"version", {"--version"}, A::Version, "smashbol 1."},
        {"zoom above 4", {"--zoom", "5"}, A::Refuse, "--zoom takes 1 to 4, not '5'"},
        {"zoom 0", {"--zoom=0"}, A::Refuse, "not '0'"},
        {"zoom with more digits", {"--zoom=11"}, A::Refuse, "not '11'"},
        {"zoom without a value", {"--zoom"}, A::Refuse, "missing value after '--zoom'"},
        {"a flag with a value", {"--mute=yes"}, A::Refuse, "unexpected value after '--mute'"},
        {"a front end's flag with a value", {"--reverse=1"}, A::Refuse, "unknown option"},
        {"a language without a translation", {"--lang=de"}, A::Refuse, "cs or en, not 'de'"},
        {"unknown", {"--loud"}, A::Refuse, "unknown option '--loud'"},
        {"unknown letter", {"-q"}, A::Refuse, "unknown option '-q'"},
        {"a stray file name", {"match.trace"}, A::Refuse, "unexpected argument 'match.trace'"},
        {"a recording with no name", {"--record="}, A::Refuse, "--record needs a file name"},
        {"watching is no session to record",
         {"--replay", "a.trace", "--record", "b.trace"},
         A::Refuse,
         "--replay and --record do not go together"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const running::CommandLine line = running::parseCommandLine(row.args, "/home/x/s.ini", qt);
        EXPECT_EQ(line.action, row.action) << line.message;
        EXPECT_NE(line.message.find(row.says), std::string::npos) << line.message;
        EXPECT_EQ(line.exitStatus(), row.action == A::Refuse ? 2 : 0);
        if (row.action == A::Refuse) {
            EXPECT_EQ(line.message.rfind("smashbol: ", 0), 0u);
            EXPECT_EQ(line.message.find('\n'), line.message.size() - 1) << "one line";
        }
    }
    // Options hold for the run: over the remembered settings, never instead of all of them.
    const running::CommandLine line = running::parseCommandLine(
        {"--zoom", "3", "--no-auto-pause", "--record", "s.trace", "--lang", "cs", "-display", ":9"},
        "", qt);
    const running::Settings run =
        line.over({.zoom = 2, .fullScreen = true, .mute = true, .language = "en"});
    // Zoom 3, no auto-pause and Czech from the line; full screen and mute remembered.
    EXPECT_EQ(run, (running::Settings{3, true, false, false, true, "cs"}));
    EXPECT_EQ(line.recordPath, "s.trace");
    EXPECT_EQ(line.frontEndOption("display"), ":9");
    EXPECT_EQ(line.frontEndOption("platform"), std::nullopt);
}

}  // namespace
