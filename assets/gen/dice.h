// A small fixed-seed generator (xorshift32) for textures and the clips' noise: the same seed
// draws the same picture and makes the same sound on every machine.
#pragma once

#include <cstdint>

namespace assetgen {

class Dice {
  public:
    explicit Dice(std::uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [0, 1).
    double unit() { return (next() >> 8) / 16777216.0; }
    // Uniform whole number in [lo, hi].
    int between(int lo, int hi) {
        return lo + static_cast<int>(next() % static_cast<std::uint32_t>(hi - lo + 1));
    }

  private:
    std::uint32_t state_;
};

}  // namespace assetgen
