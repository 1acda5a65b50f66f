// Everything the game asks of the world outside its windows' state goes through one Host:
// the pictures and clips carried in the program, the wave player, message boxes, the clock,
// the random source, the other windows and the main window's outer height.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "engine/core/picture.h"

namespace tk {

// What LoadResData gives: the resource's bytes, or an error number (326: no such resource).
struct Resource {
    int error = 0;
    std::vector<std::uint8_t> bytes;
};

constexpr int kErrResourceNotFound = 326;
constexpr int kErrSubscriptOutOfRange = 9;

// The pictures and clips a program carries, as a host hands them out.
class Resources {
  public:
    virtual ~Resources() = default;

    // The picture stored with a control or window, by owner name ("n", "Picture4", "Form1",
    // "Form1.Icon", "Form2.Picture1(3)", "Form3.Image1"). Each call for the same owner returns
    // the same handle. An unknown owner gives an empty picture.
    virtual Picture picture(std::string_view owner) = 0;

    // An embedded resource by number and type, read afresh on every call.
    virtual Resource LoadResData(int id, std::string_view type) = 0;
};

// What a host asks of the front end's windows: show and close the other windows, and hold the
// game's clock while the window's thread is held up (a point's pause, a message box), so that
// its timers do not catch up on that time.
class WindowDirector {
  public:
    virtual ~WindowDirector() = default;
    virtual void showModal(std::string_view form) = 0;
    virtual void unload(std::string_view form) = 0;
    virtual void holdUp() = 0;
    virtual void goOn() = 0;
};

class Host : public Resources {
  public:
    // Plays an in-memory wave image in the background, cutting off the clip playing; silent if
    // it cannot play. Takes what it needs of the bytes before it returns.
    virtual void playWaveImage(std::span<const std::uint8_t> waveImage) = 0;

    virtual void MsgBox(std::string_view text) = 0;
    virtual void Sleep(int milliseconds) = 0;
    virtual void Randomize() = 0;
    virtual float Rnd() = 0;  // in [0, 1)

    // Shows a window, named as the program names it, modally; returns when it is closed.
    virtual void showModal(std::string_view form) = 0;
    virtual void Unload(std::string_view form) = 0;

    // The main window's outer height in twips, title bar and menu bar included.
    virtual float formHeight() = 0;
    virtual void setFormHeight(float twips) = 0;
};

}  // namespace tk
