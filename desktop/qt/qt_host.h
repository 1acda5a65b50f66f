// The Host the real program runs on: pictures and clips from the program's resources, the wave
// player, Qt's message box under the program's title, the clock, a random source, and the
// windows (through a director that the window layer provides).
#pragma once

#include <QWidget>

#include <functional>
#include <map>
#include <random>
#include <span>
#include <string>

#include "engine/core/host.h"

namespace tkqt {

// What the host asks of the window layer above it, on the desktop also the main window's size.
class FormDirector : public tk::WindowDirector {
  public:
    // The main window's outer height in twips, title bar and menu bar included.
    virtual float outerHeight() = 0;
    virtual void setOuterHeight(float twips) = 0;
    // The window a message box belongs to.
    virtual QWidget* activeWindow() = 0;
};

class QtHost : public tk::Host {
  public:
    using WaveSink = std::function<void(std::span<const std::uint8_t>)>;

    QtHost(tk::Resources& resources, std::string title, WaveSink wavePlayer = {});

    void setDirector(FormDirector* director) { director_ = director; }
    // A descriptor that becomes readable when the program is asked to end: the game's pause
    // after a point then ends early, so that the end is not held up.
    void setWakeDescriptor(int fd) { wakeFd_ = fd; }

    tk::Picture picture(std::string_view owner) override;
    tk::Resource LoadResData(int id, std::string_view type) override;
    void playWaveImage(std::span<const std::uint8_t> waveImage) override;
    void MsgBox(std::string_view text) override;
    void Sleep(int milliseconds) override;
    void Randomize() override;
    float Rnd() override;
    void showModal(std::string_view form) override;
    void Unload(std::string_view form) override;
    float formHeight() override;
    void setFormHeight(float twips) override;

  private:
    tk::Resources& resources_;
    std::string title_;
    WaveSink wavePlayer_;
    FormDirector* director_ = nullptr;
    std::mt19937 random_;
    int wakeFd_ = -1;
};

}  // namespace tkqt
