#include "desktop/app/sound.h"

#include <QTimer>

#include <chrono>

namespace app {

namespace {
constexpr int kLookAgainMs = 5;  // well inside the first clip's first frame
}  // namespace

Sound::Sound(bool muted) {
    if (!muted)
        opening_ = tksdl::WavePlayer::openAside();
}

void Sound::takeDeviceSoon() {
    QTimer::singleShot(0, [this] { takeDevice(); });
}

void Sound::takeDevice() {
    if (!opening_.valid())
        return;
    // Still opening: the window is not kept waiting for it; it is looked at again shortly.
    if (opening_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        QTimer::singleShot(kLookAgainMs, [this] { takeDevice(); });
        return;
    }
    player_ = opening_.get();
    if (!waiting_.empty())
        player_->play(waiting_);
    waiting_.clear();
}

void Sound::play(std::span<const std::uint8_t> wave) {
    if (player_)
        player_->play(wave);
    else if (opening_.valid())
        waiting_.assign(wave.begin(), wave.end());  // a new clip cuts off the one before
}

void Sound::setMuted(bool muted) {
    waiting_.clear();
    if (muted && player_)
        player_->stop();
    if (!muted && !player_ && !opening_.valid()) {
        opening_ = tksdl::WavePlayer::openAside();
        takeDeviceSoon();
    }
}

}  // namespace app
