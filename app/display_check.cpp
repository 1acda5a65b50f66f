#include "app/display_check.h"

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

void onQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        // Qt's own reason comes as a warning before the fatal message ("could not connect to
        // display :5"); the fatal one only says that no platform could start.
        std::string reason = message.section('\n', 0, 0).toStdString();
        for (const auto& [heldType, text] : heldBack) {
            if (heldType != QtDebugMsg && text.find("display") != std::string::npos)
                reason = text.substr(0, text.find('\n'));
        }
        std::fprintf(stderr, "smashbol: cannot open a window: %s\n", reason.c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldBack.emplace_back(type, message.toStdString());
}

}  // namespace

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

QtStartGuard::~QtStartGuard() {
    qInstallMessageHandler(previousHandler);
    for (const auto& [type, text] : heldBack) {
        if (type != QtDebugMsg && type != QtInfoMsg)
            std::fprintf(stderr, "%s\n", text.c_str());
    }
    heldBack.clear();
}

}  // namespace app
