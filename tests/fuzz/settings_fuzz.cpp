// Any bytes as the settings file the player may have edited by hand: read to settings within
// their ranges, and what is written of them reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "assets/embedded_translations.h"
#include "engine/running/settings.h"

namespace {

void require(bool holds) {
    if (!holds)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view ini(reinterpret_cast<const char*>(data), size);
    const running::Settings read = running::readSettings(ini);
    require(read.zoom >= 0 && read.zoom <= running::Settings::kMaxZoom);
    require(read.language.empty() || assets::speaks(read.language));
    require(running::readSettings(running::writeSettings(read)) == read);
    return 0;
}
