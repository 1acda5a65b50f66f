// The game's clips as wave images: each clip's layout and the RIFF/WAVE container around the
// samples its recipe makes.
#include "assets/gen/clips.h"

#include <stdexcept>
#include <string>
#include <string_view>

#include "assets/gen/clip_recipes.h"

namespace assetgen {

namespace {

void putText(std::vector<std::uint8_t>& out, std::string_view text) {
    out.insert(out.end(), text.begin(), text.end());
}

void put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

}  // namespace

ClipLayout clipLayout(int id) {
    static const ClipLayout kLayouts[] = {
        {1, 22050, 8, 1869, true, false, 0},     // clip 1
        {1, 22050, 8, 2226, true, false, 0},     // clip 2
        {1, 22050, 8, 2063, true, false, 2},     // clip 3
        {1, 22050, 8, 4403, true, false, 2},     // clip 4
        {1, 22050, 8, 734, true, false, 0},      // clip 5
        {2, 22050, 16, 313024, false, true, 0},  // clip 6
        {1, 8000, 8, 28015, true, false, 2},     // clip 7
        {1, 11025, 8, 32078, true, false, 0},    // clip 8
    };
    if (id < 1 || id > static_cast<int>(std::size(kLayouts)))
        throw std::out_of_range("no clip " + std::to_string(id));
    return kLayouts[id - 1];
}

std::vector<std::uint8_t> waveImage(const ClipLayout& layout,
                                    const std::vector<std::uint8_t>& sampleData) {
    const unsigned blockAlign = static_cast<unsigned>(layout.channels * layout.bits / 8);
    std::vector<std::uint8_t> out;
    putText(out, "RIFF");
    put32(out, 0);  // filled in below
    putText(out, "WAVE");

    putText(out, "fmt ");
    put32(out, layout.extendedFormat ? 18 : 16);
    put16(out, 1);  // PCM
    put16(out, static_cast<unsigned>(layout.channels));
    put32(out, static_cast<std::uint32_t>(layout.rate));
    put32(out, static_cast<std::uint32_t>(layout.rate) * blockAlign);
    put16(out, blockAlign);
    put16(out, static_cast<unsigned>(layout.bits));
    if (layout.extendedFormat) {
        put16(out, 0);  // no extra format bytes
        putText(out, "fact");
        put32(out, 4);
        put32(out, static_cast<std::uint32_t>(sampleData.size() / blockAlign));
    }

    putText(out, "data");
    put32(out, static_cast<std::uint32_t>(sampleData.size()));
    out.insert(out.end(), sampleData.begin(), sampleData.end());
    if (sampleData.size() % 2 != 0) {
        out.push_back(0);  // chunks start on even offsets
    }

    if (layout.infoList) {
        constexpr std::string_view kSoftware = "Smashbol 2002 clip maker";
        putText(out, "LIST");
        put32(out, 40);
        putText(out, "INFO");
        putText(out, "ISFT");
        put32(out, 28);
        putText(out, kSoftware);
        out.resize(out.size() + 28 - kSoftware.size(), 0);
    }

    const std::uint32_t riffLength = static_cast<std::uint32_t>(out.size() - 8);
    for (int i = 0; i < 4; ++i) {
        out[4 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(riffLength >> (8 * i));
    }
    out.resize(out.size() + static_cast<std::size_t>(layout.strayBytes), 0);
    return out;
}

std::vector<std::uint8_t> makeClip(int id) {
    const ClipLayout layout = clipLayout(id);
    return waveImage(layout, clipSamples(id, layout));
}

}  // namespace assetgen
