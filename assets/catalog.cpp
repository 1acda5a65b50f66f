#include "assets/catalog.h"

#include <array>
#include <mutex>
#include <vector>

#include "assets/embedded.h"
#include "assets/gen/clips.h"

namespace assets {

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
    if (id < 1 || id > assetgen::kClipCount) {
        return {};
    }
    // Each clip made from its recipe at the first ask for it, and kept for the whole run: the
    // intro's at the load, the others when a rally first wants them.
    static std::array<std::vector<std::uint8_t>, assetgen::kClipCount> made;
    static std::array<std::once_flag, assetgen::kClipCount> once;
    const auto index = static_cast<std::size_t>(id - 1);
    std::call_once(once[index], [&] { made[index] = assetgen::makeClip(id); });
    return made[index];
}

}  // namespace assets
