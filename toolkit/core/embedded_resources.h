// The pictures and clips carried in the program, as a Host hands them to the game: one shared
// picture handle per owner, so that assigned pictures compare equal, and each clip's wave image
// read afresh under its number and the type "RESTYPE".
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "toolkit/core/host.h"

namespace tk {

class EmbeddedResources {
  public:
    // The same handle on every call for one owner; an empty picture for an unknown owner.
    Picture picture(std::string_view owner);

    // The clip's bytes, or error 326 for any other number or type.
    static Resource LoadResData(int id, std::string_view type);

  private:
    std::map<std::string, Picture, std::less<>> pictures_;
};

}  // namespace tk
