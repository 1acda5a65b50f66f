// The game tick plays its cues through the program's one sound routine, which lives with the
// start-up code; the tick sees it only as this.
#pragma once

#include <string>

#include "toolkit/core/value.h"

namespace game {

inline const std::string kResourceType = "RESTYPE";

class ClipCue {
  public:
    virtual ~ClipCue() = default;
    virtual void PlayClip(const tk::Value& id, const std::string& resourceType) = 0;
};

}  // namespace game
