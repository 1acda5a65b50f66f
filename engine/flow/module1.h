// The program's one sound routine: load a clip from the program's resources and hand it to the
// wave player. A missing clip says so in a message box; every other failure stays silent.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/host.h"
#include "engine/game/clip_cue.h"

namespace flow {

inline const std::string kMissingResourceMessage = "Please check the spelling of the ID or TYPE.";

class Module1 : public game::ClipCue {
  public:
    explicit Module1(tk::Host& host) : host_(host) {}

    void PlayClip(const tk::Value& id, const std::string& resourceType) override;

    // The bytes of the last clip loaded; they stay here while the clip plays.
    const std::vector<std::uint8_t>& buffer() const { return clipBuffer; }

  private:
    tk::Host& host_;
    std::vector<std::uint8_t> clipBuffer;
};

}  // namespace flow
