// Whether the program can open its window, decided before Qt would abort without a display.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

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
