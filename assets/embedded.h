// The tables the generator writes (embedded_assets.cpp in the build tree); catalog.cpp serves
// them through catalog.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "assets/catalog.h"

namespace assets::embedded {

extern const PictureAsset kPictures[];
extern const std::size_t kPictureCount;

// A clip's wave image as it is stored: as it plays, except for its 16-bit samples, which are kept
// as each channel's differences from its previous sample, every low byte first, then every high
// byte. Sound moves in small steps, so the differences are small numbers, and gzip (what a web
// server sends) makes the stored image nearly a quarter smaller than the samples themselves.
struct StoredClip {
    const std::uint8_t* bytes;
    std::size_t size;
    std::size_t samplesAt;    // where the samples start in the image
    std::size_t sampleCount;  // 16-bit samples kept as differences; 0: the image as it plays
    int channels;
};

// Clip 1 is at index 0.
extern const StoredClip kClips[8];

}  // namespace assets::embedded
