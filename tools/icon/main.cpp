// smashbol-icon: writes the window icon as a PNG of the given size, for the desktop's icon theme
// and the browser's site. Pixel art keeps its hard edges at every size: each pixel of the PNG
// takes the icon's pixel under its centre (nearest neighbour), so a whole multiple of the icon's
// size enlarges every pixel to a square block, and a size between, or below (16, 24, 48), repeats
// or leaves out whole rows and columns rather than blending them.
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "assets/catalog.h"
#include "engine/render/png.h"

namespace {

constexpr int kLargest = 1024;

// Rows repeated for an enlargement squeeze to almost nothing.
std::vector<std::uint8_t> squeeze(const std::vector<std::uint8_t>& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> out(size);
    if (compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
        return {};
    out.resize(size);
    return out;
}

// The icon's pixel under the centre of pixel `at` of `size`, on an icon `of` pixels wide.
int source(int at, int size, int of) {
    return static_cast<int>((2L * at + 1) * of / (2L * size));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: smashbol-icon SIZE OUT.png\n");
        return 2;
    }
    char* end = nullptr;
    const long size = std::strtol(argv[1], &end, 10);
    const assets::PictureAsset* icon = assets::findPicture("Form1.Icon");
    if (!icon || *end != '\0' || size < 1 || size > kLargest) {
        std::fprintf(stderr, "smashbol-icon: the size must be a whole number of pixels, 1 to %d\n",
                     kLargest);
        return 2;
    }
    const int n = static_cast<int>(size);
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(n) * n * 4);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const std::uint8_t* from =
                icon->rgba +
                (source(y, n, icon->height) * icon->width + source(x, n, icon->width)) * 4;
            std::copy(from, from + 4, rgba.begin() + (static_cast<std::ptrdiff_t>(y) * n + x) * 4);
        }
    }
    if (!tk::writeFile(tk::encodeRgbaPng(n, n, rgba.data(), squeeze), argv[2])) {
        std::fprintf(stderr, "smashbol-icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
