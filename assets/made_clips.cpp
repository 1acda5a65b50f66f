// The clips made from their recipes at the first ask for each, and kept for the whole run: the
// page's way, whose module would otherwise carry a third of its bytes as samples.
#include <array>
#include <mutex>
#include <vector>

#include "assets/catalog.h"
#include "assets/gen/clips.h"

namespace assets {

std::span<const std::uint8_t> clipWave(int id) {
    if (id < 1 || id > assetgen::kClipCount) {
        return {};
    }
    // The intro's is asked for at the load (about a fifth of a second), the others when a rally
    // first wants them.
    static std::array<std::vector<std::uint8_t>, assetgen::kClipCount> made;
    static std::array<std::once_flag, assetgen::kClipCount> once;
    const auto index = static_cast<std::size_t>(id - 1);
    std::call_once(once[index], [&] { made[index] = assetgen::makeClip(id); });
    return made[index];
}

}  // namespace assets
