#include "assets/catalog.h"

#include <array>
#include <vector>

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

}  // namespace assets
