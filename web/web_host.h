// The host of the browser page: pictures and clips from the module's own assets, the clips
// played through the page's Web Audio, the message box and the other windows inside the page,
// and the point's pause as a real pause of the game (the module suspends mid-handler while the
// page goes on drawing nothing and queueing input).
#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "assets/embedded_resources.h"
#include "engine/core/host.h"

namespace web {

// What the page does for the host: its windows, and the clock held while the game is.
using Director = tk::WindowDirector;

class WebHost final : public tk::Host {
  public:
    // The main window's height below its title bar when the game starts: the page's window has
    // no title bar of its own, so this is its outer height too.
    static constexpr float kStartHeight = 4755;

    explicit WebHost(Director& director);

    tk::Picture picture(std::string_view owner) override;
    tk::Resource LoadResData(int id, std::string_view type) override;
    void playWaveImage(std::span<const std::uint8_t> waveImage) override;
    void MsgBox(std::string_view text) override;
    void Sleep(int milliseconds) override;
    void Randomize() override;
    float Rnd() override;
    void showModal(std::string_view form) override { director_.showModal(form); }
    void Unload(std::string_view form) override { director_.unload(form); }
    float formHeight() override { return height_; }
    void setFormHeight(float twips) override { height_ = twips; }

    void setMuted(bool muted) { muted_ = muted; }

    // From a script on: Rnd answers the queued values, then 0, as the headless driver's host
    // does, so that the page plays a script as the driver does.
    void playScripted() { scripted_ = true; }
    void queueRnd(float value) { rnd_.push_back(value); }

  private:
    Director& director_;
    assets::EmbeddedResources embedded_;
    std::mt19937 random_;
    std::deque<float> rnd_;
    bool scripted_ = false;
    bool muted_ = false;
    float height_ = kStartHeight;
};

}  // namespace web
