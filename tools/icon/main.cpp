// smashbol-icon: writes the window icon as a PNG of the given size, enlarged without smoothing,
// for the desktop's icon theme and the browser's page.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "assets/catalog.h"
#include "toolkit/render/png.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: smashbol-icon SIZE OUT.png\n");
        return 2;
    }
    const int size = std::atoi(argv[1]);
    const assets::PictureAsset* icon = assets::findPicture("Form1.Icon");
    if (!icon || size <= 0 || size % icon->width != 0 || icon->width != icon->height) {
        std::fprintf(stderr, "smashbol-icon: the size must be a multiple of the icon's %d px\n",
                     icon ? icon->width : 0);
        return 2;
    }
    const int scale = size / icon->width;
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(size) * size * 4);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::uint8_t* from = icon->rgba + ((y / scale) * icon->width + x / scale) * 4;
            std::copy(from, from + 4,
                      rgba.begin() + (static_cast<std::ptrdiff_t>(y) * size + x) * 4);
        }
    }
    if (!tk::writeFile(tk::encodeRgbaPng(size, size, rgba.data()), argv[2])) {
        std::fprintf(stderr, "smashbol-icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
