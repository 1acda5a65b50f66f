// Whether the program can open its window, decided before Qt would abort without a display.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/display_check.h"

namespace {

class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DisplayCheck, ReportsAMissingDisplayBeforeQtStarts) {
    struct Row {
        const char* name;
        const char* platform;
        const char* display;
        const char* wayland;
        bool missing;
    };
    const Row rows[] = {
        {"X display", nullptr, ":0", nullptr, false},
        {"Wayland display", nullptr, nullptr, "wayland-0", false},
        {"neither", nullptr, nullptr, nullptr, true},
        {"empty DISPLAY", nullptr, "", nullptr, true},
        {"xcb asked, no X", "xcb", nullptr, "wayland-0", true},
        {"wayland asked, no Wayland", "wayland", ":0", nullptr, true},
        {"offscreen needs none", "offscreen", nullptr, nullptr, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScopedEnv platform("QT_QPA_PLATFORM", row.platform);
        ScopedEnv display("DISPLAY", row.display);
        ScopedEnv wayland("WAYLAND_DISPLAY", row.wayland);
        const std::string reason = app::missingDisplayReason();
        EXPECT_EQ(!reason.empty(), row.missing) << reason;
        EXPECT_EQ(reason.find('\n'), std::string::npos) << "one line";
    }
}

TEST(CommandLine, AcceptsTheGamesOptionsAndQtsRefusesTheRest) {
    using A = app::CommandLine::Action;
    struct Row {
        const char* name;
        QStringList args;
        A action;
        const char* says;  // a piece of the message
    };
    const Row rows[] = {
        {"nothing", {}, A::Play, ""},
        {"every option",
         {"--zoom", "4", "--fullscreen", "--mute", "--no-auto-pause", "--classic-timing",
          "--record=s.trace"},
         A::Play,
         ""},
        {"Qt's own, one dash",
         {"-platform", "offscreen", "-style", "fusion", "-reverse"},
         A::Play,
         ""},
        {"help before a mistake", {"--help", "--zoom", "9"}, A::Help, "--classic-timing"},
        {"version", {"--version"}, A::Version, "smashbol 1.1.0\n"},
        {"zoom above 4", {"--zoom", "9"}, A::Refuse, "--zoom takes 1 to 4, not '9'"},
        {"zoom 0", {"--zoom=0"}, A::Refuse, "not '0'"},
        {"zoom not a number", {"--zoom", "x"}, A::Refuse, "not 'x'"},
        {"zoom without a value", {"--zoom"}, A::Refuse, "'--zoom'"},
        {"unknown", {"--loud"}, A::Refuse, "unknown option '--loud'"},
        {"a stray file name", {"match.trace"}, A::Refuse, "unexpected argument 'match.trace'"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const app::CommandLine line =
            app::parseCommandLine(QStringList{"smashbol"} + row.args, "/home/x/.config/s.ini");
        EXPECT_EQ(line.action, row.action) << line.message.toStdString();
        EXPECT_TRUE(line.message.contains(row.says)) << line.message.toStdString();
        EXPECT_EQ(line.exitStatus(), row.action == A::Refuse ? 2 : 0);
        if (row.action == A::Refuse) {
            EXPECT_EQ(line.message.count('\n'), 1) << "one line, pointing at --help";
        }
    }
    // Options hold for the run: over the remembered settings, never instead of all of them.
    const app::CommandLine line = app::parseCommandLine(
        {"smashbol", "--zoom", "3", "--no-auto-pause", "--record", "s.trace"}, "");
    const views::Preferences run = line.over({.zoom = 2, .fullScreen = true, .mute = true});
    EXPECT_EQ(run, (views::Preferences{.zoom = 3,
                                       .fullScreen = true,
                                       .autoPause = false,
                                       .classicTiming = false,
                                       .mute = true}));
    EXPECT_EQ(line.recordPath, "s.trace");
}

TEST(DisplayCheck, SaysWhyQtCouldNotStartInOneLine) {
    struct Row {
        const char* name;
        std::vector<std::string> messages;
        const char* display;
        const char* reason;
    };
    const std::string noPlugin = "no Qt platform plugin could be initialized.\nAvailable: xcb";
    const Row rows[] = {
        {"no Wayland plugin, no X",
         {"Could not find the Qt platform plugin \"wayland\" in \"\"",
          "could not connect to display ", noPlugin},
         "",
         "the Qt platform plugin \"wayland\" is not installed (Debian package qt6-wayland); "
         "no X display: DISPLAY is not set"},
        {"unknown plugin",
         {"Could not find the Qt platform plugin \"xyz\" in \"\"", noPlugin},
         ":0",
         "the Qt platform plugin \"xyz\" is not installed"},
        {"X server gone",
         {"could not connect to display :5", noPlugin},
         ":5",
         "could not connect to X display :5"},
        {"nothing said", {noPlugin}, ":0", "no Qt platform plugin could be initialized."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(app::startFailureReason(row.messages, row.display), row.reason);
    }
}

}  // namespace
