// Before Qt is started: is there a display to open the window on? Qt would abort without one;
// the game says so in one line and ends with status 1.
#pragma once

#include <string>
#include <vector>

namespace app {

// Empty when a display looks reachable, else the reason, one line.
std::string missingDisplayReason();

// Why Qt could not start, in one line, from the messages it gave (oldest first) and the X
// display asked for: which plugin is missing (and the Debian package with it), which would not
// load, which display could not be reached.
std::string startFailureReason(const std::vector<std::string>& messages,
                               const std::string& display);

// While Qt starts, a fatal message of Qt (no display after all, no platform plugin) ends the
// program with `reason`-style one line instead of an abort. Warnings seen meanwhile are held
// back and passed on once Qt is up.
class QtStartGuard {
  public:
    QtStartGuard();
    ~QtStartGuard();
    QtStartGuard(const QtStartGuard&) = delete;
    QtStartGuard& operator=(const QtStartGuard&) = delete;

    // Qt started but has no screen to open a window on (a frame buffer that is not there): the
    // same one line, from what Qt said, and status 1.
    [[noreturn]] static void noScreen(const std::string& platform);
};

}  // namespace app
