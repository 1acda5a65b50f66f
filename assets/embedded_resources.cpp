#include "assets/embedded_resources.h"

#include <memory>

#include "assets/catalog.h"

namespace assets {

tk::Picture EmbeddedResources::picture(std::string_view owner) {
    auto found = pictures_.find(owner);
    if (found != pictures_.end())
        return found->second;
    const PictureAsset* asset = findPicture(owner);
    if (!asset)
        return {};
    tk::Picture made(std::make_shared<const tk::Image>(
        tk::Image{std::string(owner), asset->width, asset->height, asset->rgba}));
    pictures_.emplace(std::string(owner), made);
    return made;
}

tk::Resource EmbeddedResources::LoadResData(int id, std::string_view type) {
    const auto wave = type == kClipType ? clipWave(id) : std::span<const std::uint8_t>{};
    if (wave.empty())
        return {tk::kErrResourceNotFound, {}};
    return {0, std::vector<std::uint8_t>(wave.begin(), wave.end())};
}

}  // namespace assets
