// Writes the window icon as a PNG of the given size, enlarged without smoothing.
#include <QImage>

#include <cstdio>
#include <cstdlib>

#include "assets/catalog.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: smashbol-icon SIZE OUT.png\n");
        return 2;
    }
    const int size = std::atoi(argv[1]);
    const assets::PictureAsset* icon = assets::findPicture("Form1.Icon");
    if (!icon || size <= 0 || size % icon->width != 0) {
        std::fprintf(stderr, "smashbol-icon: the size must be a multiple of the icon's %d px\n",
                     icon ? icon->width : 0);
        return 2;
    }
    const QImage image(icon->rgba, icon->width, icon->height, icon->width * 4,
                       QImage::Format_RGBA8888);
    const QImage scaled = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!scaled.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "smashbol-icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
