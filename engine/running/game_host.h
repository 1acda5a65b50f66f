// The host the running game puts below its main window: the program's own pictures and clips, the
// clips handed to the front end (kept back while the game holds the window's thread, and played
// when the hold ends), the random source, and the pauses, message boxes and windows the running
// game turns into holds and open windows instead of blocking.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "assets/embedded_resources.h"
#include "engine/core/host.h"

namespace running {

class Outlet;

class GameHost final : public tk::Host {
  public:
    // What the host asks of the running game.
    class Windows {
      public:
        virtual ~Windows() = default;
        virtual void pause(int milliseconds) = 0;
        virtual void message(std::string_view text) = 0;
        virtual bool holding() const = 0;
        virtual void showModal(std::string_view form) = 0;
        virtual void unload(std::string_view form) = 0;
    };

    // The main window's outer height at the start: a client area of 4755 twips under a title bar.
    static constexpr float kStartHeight = 5190;

    // Unseeded, Rnd answers the queued values, then 0.
    GameHost(Windows& windows, Outlet& outlet, std::optional<std::uint32_t> seed);

    tk::Picture picture(std::string_view owner) override { return embedded_.picture(owner); }
    tk::Resource LoadResData(int id, std::string_view type) override {
        return embedded_.LoadResData(id, type);
    }
    void playWaveImage(std::span<const std::uint8_t> waveImage) override;
    void MsgBox(std::string_view text) override { windows_.message(text); }
    void Sleep(int milliseconds) override { windows_.pause(milliseconds); }
    void Randomize() override {}  // the source was seeded once, at the start
    float Rnd() override;
    void showModal(std::string_view form) override { windows_.showModal(form); }
    void Unload(std::string_view form) override { windows_.unload(form); }
    float formHeight() override { return height_; }
    void setFormHeight(float twips) override { height_ = twips; }

    float height() const { return height_; }
    void setMuted(bool muted) { muted_ = muted; }
    // From now on Rnd answers the queue, whatever the seed.
    void playScripted() { scripted_ = true; }
    void queueRnd(float value) { rnd_.push_back(value); }
    // The clips the game played while it held the thread, in order: the last one keeps playing.
    void playHeldClips();

  private:
    Windows& windows_;
    Outlet& outlet_;
    assets::EmbeddedResources embedded_;
    std::optional<std::mt19937> random_;
    std::deque<float> rnd_;
    std::vector<std::vector<std::uint8_t>> heldClips_;
    bool scripted_ = false;
    bool muted_ = false;
    float height_ = kStartHeight;
};

}  // namespace running
