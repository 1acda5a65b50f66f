#include "desktop/app/sound.h"

#include <QTimer>

#include <chrono>

namespace app {

namespace {
constexpr int kLookAgainMs = 5;  // well inside the first clip's first frame
}  // namespace

Sound::Sound(bool muted) : muted_(muted) {}

void Sound::openDevice() {
    windowShown_ = true;
    if (!muted_)
        openAside();
}

void Sound::openAside() {
    opening_ = tksdl::WavePlayer::openAside();
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
    else if (!muted_)
        waiting_.assign(wave.begin(), wave.end());  // a new clip cuts off the one before
}

void Sound::setMuted(bool muted) {
    muted_ = muted;
    waiting_.clear();
    if (muted && player_)
        player_->stop();
    if (!muted && windowShown_ && !player_ && !opening_.valid())
        openAside();
}

}  // namespace app
