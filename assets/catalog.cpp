#include "assets/catalog.h"

#include "assets/embedded.h"

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
    if (id < 1 || id > static_cast<int>(std::size(embedded::kClips))) {
        return {};
    }
    return embedded::kClips[id - 1];
}

}  // namespace assets
