// The host of a run without a window, for the trace driver, the benchmarks and the tests:
// pictures and clips from the program's own assets, everything else recorded, and Rnd answered
// from a script.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "assets/embedded_resources.h"
#include "engine/core/host.h"

namespace trace {

class ScriptedHost : public tk::Host {
  public:
    // An outer height for a window of 4755 twips client area under a title bar.
    static constexpr float kStartHeight = 5190;

    // Answered from the program's assets, the script or the recorded height.
    tk::Picture picture(std::string_view owner) override;
    tk::Resource LoadResData(int id, std::string_view type) override;
    float Rnd() override;
    float formHeight() override { return height; }

    // Recorded: nothing plays, waits or closes, and a shown window is only onShowModal's.
    void playWaveImage(std::span<const std::uint8_t> waveImage) override;
    void MsgBox(std::string_view text) override;
    void Sleep(int milliseconds) override;
    void Randomize() override;
    void showModal(std::string_view form) override;
    void Unload(std::string_view form) override;
    void setFormHeight(float twips) override;

    // Queues values for Rnd; an empty queue answers 0.
    void queueRnd(std::initializer_list<float> values) { rnd.insert(rnd.end(), values); }
    // Makes the next load fail with this error number, or come back empty (error 0).
    void failNextLoad(int error) { nextLoadFailure = error; }

    // Called from showModal, so a test can play the shown window before it "returns".
    std::function<void(std::string_view)> onShowModal;

    // What happened, in order: "clip 8", "sleep 700", "randomize", "rnd", "msgbox ...",
    // "show Form2", "unload Form1", "height 5390".
    std::vector<std::string> log;

    // What happened, by kind.
    std::vector<int> clips;  // clip ids handed to the wave player
    std::vector<int> loads;  // ids asked of LoadResData
    std::vector<std::size_t> waveSizes;
    std::vector<int> sleeps;
    std::vector<std::string> messages;
    std::vector<std::string> shown;
    std::vector<std::string> unloads;
    std::vector<float> heightChanges;  // each new height
    int randomizeCount = 0;
    float height = kStartHeight;
    std::deque<float> rnd;

    // Forgets what was recorded (not the state: height, queued Rnd values).
    void clearRecords();

  private:
    assets::EmbeddedResources embedded_;
    std::optional<int> nextLoadFailure;
    int lastLoaded_ = 0;
};

}  // namespace trace
