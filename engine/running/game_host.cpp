#include "engine/running/game_host.h"

#include "engine/running/running_game.h"

namespace running {

GameHost::GameHost(Windows& windows, Outlet& outlet, std::optional<std::uint32_t> seed)
    : windows_(windows), outlet_(outlet) {
    if (seed)
        random_.emplace(*seed);
}

void GameHost::playWaveImage(std::span<const std::uint8_t> waveImage) {
    // A handler that paused runs on at once here; a clip it plays after the pause began would,
    // with the thread really held, start only when the pause was over: it is kept till then.
    if (windows_.holding())
        heldClips_.emplace_back(waveImage.begin(), waveImage.end());
    else if (!muted_)
        outlet_.playWave(waveImage);
}

void GameHost::playHeldClips() {
    auto clips = std::move(heldClips_);
    heldClips_.clear();
    for (const auto& clip : clips) {
        if (!muted_)
            outlet_.playWave(clip);
    }
}

float GameHost::Rnd() {
    if (scripted_ || !random_) {
        if (rnd_.empty())
            return 0.0f;
        const float value = rnd_.front();
        rnd_.pop_front();
        return value;
    }
    // 24 random bits make every single in [0, 1) on a 2^-24 grid equally likely, and never 1.
    return static_cast<float>((*random_)() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace running
