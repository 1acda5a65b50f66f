// Whether the program can open its window, decided before Qt would abort without a display.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "desktop/app/display_check.h"

namespace {

// Sets an environment variable, or unsets it for nullptr.
void putEnv(const char* name, const char* value) {
    value ? setenv(name, value, 1) : unsetenv(name);
}

TEST(DisplayCheck, ReportsAMissingDisplayBeforeQtStarts) {
    const char* names[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    struct Row {
        const char* name;
        const char* values[3];  // of the three variables above, nullptr for unset
        bool missing;
    };
    const Row rows[] = {
        {"X display", {nullptr, ":0", nullptr}, false},
        {"Wayland display", {nullptr, nullptr, "wayland-0"}, false},
        {"empty DISPLAY", {nullptr, "", nullptr}, true},
        {"xcb asked, no X", {"xcb", nullptr, "wayland-0"}, true},
        {"wayland asked, no Wayland", {"wayland", ":0", nullptr}, true},
        {"offscreen needs none", {"offscreen", nullptr, nullptr}, false},
    };
    std::optional<std::string> saved[3];
    for (int i = 0; i < 3; ++i)
        if (const char* value = std::getenv(names[i]))
            saved[i] = value;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (int i = 0; i < 3; ++i)
            putEnv(names[i], row.values[i]);
        const std::string reason = app::missingDisplayReason();
        EXPECT_EQ(!reason.empty(), row.missing) << reason;
        EXPECT_EQ(reason.find('\n'), std::string::npos) << "one line";
    }
    for (int i = 0; i < 3; ++i)
        putEnv(names[i], saved[i] ? saved[i]->c_str() : nullptr);
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
