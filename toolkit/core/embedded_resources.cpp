#include "toolkit/core/embedded_resources.h"

#include <memory>

#include "assets/catalog.h"

namespace tk {

Picture EmbeddedResources::picture(std::string_view owner) {
    auto found = pictures_.find(owner);
    if (found != pictures_.end())
        return found->second;
    const assets::PictureAsset* asset = assets::findPicture(owner);
    if (!asset)
        return {};
    Picture made(std::make_shared<const Image>(
        Image{std::string(owner), asset->width, asset->height, asset->rgba}));
    pictures_.emplace(std::string(owner), made);
    return made;
}

Resource EmbeddedResources::LoadResData(int id, std::string_view type) {
    const auto wave = type == "RESTYPE" ? assets::clipWave(id) : std::span<const std::uint8_t>{};
    if (wave.empty())
        return {kErrResourceNotFound, {}};
    return {0, std::vector<std::uint8_t>(wave.begin(), wave.end())};
}

}  // namespace tk
