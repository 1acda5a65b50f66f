#include "assets/catalog.h"

#include <array>
#include <vector>

#include "assets/embedded.h"

namespace assets {

namespace {

// The wave image as it plays: each sample the sum of the differences before it.
std::vector<std::uint8_t> unpack(const embedded::StoredClip& clip) {
    std::vector<std::uint8_t> wave(clip.bytes, clip.bytes + clip.size);
    const std::uint8_t* low = clip.bytes + clip.samplesAt;
    const std::uint8_t* high = low + clip.sampleCount;
    std::vector<std::uint16_t> sample(static_cast<std::size_t>(clip.channels), 0);
    for (std::size_t i = 0; i < clip.sampleCount; ++i) {
        std::uint16_t& s = sample[i % sample.size()];
        s = static_cast<std::uint16_t>(s + (low[i] | high[i] << 8));
        wave[clip.samplesAt + 2 * i] = static_cast<std::uint8_t>(s);
        wave[clip.samplesAt + 2 * i + 1] = static_cast<std::uint8_t>(s >> 8);
    }
    return wave;
}

}  // namespace

std::span<const PictureAsset> allPictures() {
    return {embedded::kPictures, embedded::kPictureCount};
}

const PictureAsset* findPicture(std::string_view owner) {
    for (const PictureAsset& picture : allPictures()) {
        if (picture.owner == owner) {
            return &picture;
        }
    }
    return nullptr;
}

std::span<const std::uint8_t> clipWave(int id) {
    if (id < 1 || id > static_cast<int>(std::size(embedded::kClips))) {
        return {};
    }
    const embedded::StoredClip& clip = embedded::kClips[id - 1];
    if (clip.sampleCount == 0)
        return {clip.bytes, clip.size};
    // Every stored clip unpacked at the first ask for one, and kept for the whole run.
    static const auto unpacked = [] {
        std::array<std::vector<std::uint8_t>, std::size(embedded::kClips)> waves;
        for (std::size_t i = 0; i < waves.size(); ++i) {
            if (embedded::kClips[i].sampleCount > 0)
                waves[i] = unpack(embedded::kClips[i]);
        }
        return waves;
    }();
    return unpacked[static_cast<std::size_t>(id - 1)];
}

}  // namespace assets
