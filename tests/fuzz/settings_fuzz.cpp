// Any bytes as the settings file the player may have edited by hand: read to settings within
// their ranges, and what is written of them reads back the same. The same bytes as the page's
// address: what it asks is within range, and each mistake is a notice that can be worded.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "assets/embedded_translations.h"
#include "engine/running/settings.h"
#include "tests/fuzz/require.h"
#include "web/words.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view ini(reinterpret_cast<const char*>(data), size);
    const running::Settings read = running::readSettings(ini);
    require(read.zoom >= 0 && read.zoom <= running::Settings::kMaxZoom);
    require(read.language.empty() || assets::speaks(read.language));
    require(running::readSettings(running::writeSettings(read)) == read);
    const web::Address asked = web::readAddress(ini);
    require(asked.zoom == -1 || (asked.zoom >= 1 && asked.zoom <= running::Settings::kMaxZoom));
    for (const web::Notice& notice : asked.notices)
        require(!web::noticeText(notice).empty());
    return 0;
}
