// The pictures and clips carried in the program, as a host hands them to the game: one shared
// picture handle per owner, so that assigned pictures compare equal, and each clip's wave image
// read afresh under its number and the clips' resource type.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "engine/core/host.h"

namespace assets {

class EmbeddedResources : public tk::Resources {
  public:
    // The same handle on every call for one owner; an empty picture for an unknown owner.
    tk::Picture picture(std::string_view owner) override;

    // The clip's bytes, or error 326 for any other number or type.
    tk::Resource LoadResData(int id, std::string_view type) override;

  private:
    std::map<std::string, tk::Picture, std::less<>> pictures_;
};

}  // namespace assets
