// Before Qt is started: is there a display to open the window on? Qt would abort without one;
// the game says so in one line and ends with status 1.
#pragma once

#include <string>

namespace app {

// Empty when a display looks reachable, else the reason, one line.
std::string missingDisplayReason();

// While Qt starts, a fatal message of Qt (no display after all, no platform plugin) ends the
// program with `reason`-style one line instead of an abort. Warnings seen meanwhile are held
// back and passed on once Qt is up.
class QtStartGuard {
  public:
    QtStartGuard();
    ~QtStartGuard();
    QtStartGuard(const QtStartGuard&) = delete;
    QtStartGuard& operator=(const QtStartGuard&) = delete;
};

}  // namespace app
