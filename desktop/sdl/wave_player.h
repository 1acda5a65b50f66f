// Plays the game's clips: an in-memory wave image goes to the sound device in the background, and
// a new clip cuts off the one that is playing. Without a sound device it stays silent.
#pragma once

#include <cstdint>
#include <future>
#include <memory>
#include <span>

namespace tksdl {

struct Sdl;

// The format the device is asked for: by default that of the richest clip, the intro's chord
// (22.05 kHz, 16-bit stereo), which is then queued as it is; the knocks and ticks are widened to
// it without a loss. (At 44.1 kHz the chord's conversion took a 2.5 MB buffer and its queue
// 0.6 MB, for a 0.3 MB clip.) The device may choose another format, and every clip is then
// converted to whatever it gets.
struct OutputFormat {
    int rate = 22050;
    std::uint16_t sampleFormat = 0x8010;  // signed 16-bit little-endian (AUDIO_S16LSB)
    int channels = 2;
};

class WavePlayer {
  public:
    WavePlayer() : WavePlayer(OutputFormat{}) {}
    explicit WavePlayer(const OutputFormat& wanted);
    ~WavePlayer();
    WavePlayer(const WavePlayer&) = delete;
    WavePlayer& operator=(const WavePlayer&) = delete;

    // Opens a player on a thread of its own, so that the sound device's start goes on beside
    // the window's; what SDL keeps for that thread is let go before the thread ends.
    static std::future<std::unique_ptr<WavePlayer>> openAside();

    // False when no device could be opened: every play is then silent.
    bool hasDevice() const { return device_ != 0; }
    // The format the device really plays.
    const OutputFormat& deviceFormat() const { return have_; }

    // Decodes the wave image, converts it to the device's format, drops what is still queued and
    // queues the new clip. The bytes are copied before this returns. A clip that cannot be read
    // is ignored, and the clip playing goes on.
    void play(std::span<const std::uint8_t> waveImage);

    // Drops what is still queued: the clip playing stops.
    void stop();

    // Bytes converted and waiting for the device.
    std::uint32_t queuedBytes() const;

  private:
    const Sdl* sdl_ = nullptr;  // null without the library: no device
    std::uint32_t device_ = 0;
    bool audioInitialised_ = false;
    OutputFormat have_;
};

}  // namespace tksdl
