// The game's eight sound clips, synthesised from the recipes in clip_recipes.cpp and wrapped as
// complete RIFF/WAVE images, ready to hand to the wave player as they are. The program makes each
// at its first use (assets/catalog.cpp) rather than carry its samples: the recipes are a few
// kilobytes of code, the samples a third of a megabyte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace assetgen {

struct ClipLayout {
    int channels = 1;
    int rate = 22050;
    int bits = 8;
    int dataBytes = 0;           // sample data, without the pad byte of an odd-sized chunk
    bool extendedFormat = true;  // 18-byte format chunk and a "fact" chunk before the data
    bool infoList = false;       // a "LIST" chunk of text after the data
    int strayBytes = 0;          // bytes after the RIFF container's declared end
};

// The layout of clip 1 to 8.
ClipLayout clipLayout(int id);

// Wraps sample data in a wave image of that layout.
std::vector<std::uint8_t> waveImage(const ClipLayout& layout,
                                    const std::vector<std::uint8_t>& sampleData);

// The whole wave image of clip 1 to 8.
std::vector<std::uint8_t> makeClip(int id);

constexpr int kClipCount = 8;

}  // namespace assetgen
