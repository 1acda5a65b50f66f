#include "desktop/app/display_check.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace app {

namespace {

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

QtMessageHandler previousHandler = nullptr;
std::vector<std::pair<QtMsgType, std::string>> heldBack;

// Ends the program with the reason Qt's messages give, the last one given too.
[[noreturn]] void giveUp(const std::string& last) {
    std::vector<std::string> said;
    for (const auto& [heldType, text] : heldBack)
        if (heldType != QtDebugMsg && heldType != QtInfoMsg)
            said.push_back(text);
    said.push_back(last);
    const std::string reason = startFailureReason(said, env("DISPLAY"));
    std::fprintf(stderr, "smashbol: cannot open a window: %s\n", reason.c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

void onQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg)
        giveUp(message.toStdString());
    heldBack.emplace_back(type, message.toStdString());
}

// The first line of a message, without Qt's category prefix.
std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

// The plugin named in Qt's 'Could not find the Qt platform plugin "wayland" in ""'.
std::string quoted(const std::string& text, std::size_t from) {
    const std::size_t open = text.find('"', from);
    const std::size_t close = open == std::string::npos ? open : text.find('"', open + 1);
    return close == std::string::npos ? "" : text.substr(open + 1, close - open - 1);
}

}  // namespace

std::string startFailureReason(const std::vector<std::string>& messages,
                               const std::string& display) {
    // Qt's own reasons come as warnings before the fatal message, which only says that no
    // platform could start: a plugin not installed, one that would not load, no display.
    std::vector<std::string> reasons;
    for (const std::string& text : messages) {
        const std::string line = firstLine(text);
        if (line.find("Could not find the Qt platform plugin") != std::string::npos) {
            const std::string plugin = quoted(line, 0);
            std::string reason = "the Qt platform plugin \"" + plugin + "\" is not installed";
            if (plugin == "wayland")
                reason += " (Debian package qt6-wayland)";
            reasons.push_back(reason);
        } else if (line.find("Could not load the Qt platform plugin") != std::string::npos) {
            reasons.push_back("the Qt platform plugin \"" + quoted(line, 0) +
                              "\" is installed but would not load");
        } else if (line.find("could not connect to display") != std::string::npos) {
            reasons.push_back(display.empty() ? "no X display: DISPLAY is not set"
                                              : "could not connect to X display " + display);
        } else if (line.find("Failed to create wl_display") != std::string::npos) {
            reasons.push_back("could not connect to the Wayland display");
        }
    }
    if (reasons.empty())
        return messages.empty() ? "no Qt platform plugin could start" : firstLine(messages.back());
    std::string joined;
    for (const std::string& reason : reasons) {
        if (joined.find(reason) == std::string::npos)
            joined += (joined.empty() ? "" : "; ") + reason;
    }
    return joined;
}

std::string missingDisplayReason() {
    const std::string platform = env("QT_QPA_PLATFORM");
    // Platforms that need no display server: offscreen rendering, a frame buffer, VNC.
    if (!platform.empty() && platform.rfind("xcb", 0) != 0 && platform.rfind("wayland", 0) != 0)
        return "";
    const bool x11 = !env("DISPLAY").empty();
    const bool wayland = !env("WAYLAND_DISPLAY").empty();
    if (platform.rfind("xcb", 0) == 0 && !x11)
        return "no X display: DISPLAY is not set";
    if (platform.rfind("wayland", 0) == 0 && !wayland)
        return "no Wayland display: WAYLAND_DISPLAY is not set";
    if (!x11 && !wayland)
        return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
    return "";
}

QtStartGuard::QtStartGuard() {
    previousHandler = qInstallMessageHandler(onQtMessage);
}

void QtStartGuard::noScreen(const std::string& platform) {
    giveUp("the Qt platform plugin \"" + platform + "\" found no screen");
}

QtStartGuard::~QtStartGuard() {
    qInstallMessageHandler(previousHandler);
    for (const auto& [type, text] : heldBack) {
        if (type != QtDebugMsg && type != QtInfoMsg)
            std::fprintf(stderr, "%s\n", text.c_str());
    }
    heldBack.clear();
}

}  // namespace app
