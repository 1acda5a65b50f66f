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

}  // namespace assets::embedded
