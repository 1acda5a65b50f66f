// The game tick plays its cues through the program's one sound routine, which lives with the
// start-up code; the tick sees it only as this.
#pragma once

#include <string>

#include "engine/core/value.h"

namespace game {

// The clips the program carries, by number, all stored under one resource type. A stroke plays
// one of the four knocks 1 to 4 at random; the second knock is also the menu cue.
enum class Clip : int { FirstKnock = 1, Menu = 2, Bounce = 5, Intro = 6, Set = 7, Point = 8 };
constexpr int kKnocks = 4;
inline const std::string kResourceType = "RESTYPE";

class ClipCue {
  public:
    virtual ~ClipCue() = default;
    virtual void PlayClip(const tk::Value& id, const std::string& resourceType) = 0;

    void play(Clip clip) { PlayClip(static_cast<int>(clip), kResourceType); }
};

}  // namespace game
