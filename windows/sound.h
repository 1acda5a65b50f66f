// The clips through Windows' own wave playing, from memory: a new clip cuts off the one playing.
// Silent where there is no sound device.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace win {

class Sound {
  public:
    ~Sound() { stop(); }
    void play(std::span<const std::uint8_t> waveImage);
    void stop();

  private:
    std::vector<std::uint8_t> playing_;  // the bytes must live as long as they sound
};

}  // namespace win
