// smashbol-assets contact-sheet OUT.png | export-clips DIR
//
// Shows what the program carries: every picture enlarged four times on one sheet with its
// owner's name under it, or the eight clips as wave files clip1.wav .. clip8.wav.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "assets/catalog.h"

namespace {

constexpr int kScale = 4;
constexpr int kMargin = 16;
constexpr int kLabelHeight = 22;
constexpr int kSheetWidth = 1400;

QImage pictureImage(const assets::PictureAsset& picture) {
    QImage image(picture.width, picture.height, QImage::Format_RGBA8888);
    for (int y = 0; y < picture.height; ++y) {
        std::copy_n(picture.rgba + static_cast<std::size_t>(y) * picture.width * 4,
                    picture.width * 4, image.scanLine(y));
    }
    return image;
}

int contactSheet(const std::string& path) {
    // Lay the pictures out in rows, left to right, wrapping at the sheet's width.
    struct Placed {
        const assets::PictureAsset* picture;
        QPoint at;
    };
    std::vector<Placed> placed;
    int x = kMargin, y = kMargin, rowHeight = 0;
    for (const assets::PictureAsset& picture : assets::allPictures()) {
        const int w = std::max(picture.width * kScale, 120);
        if (x + w > kSheetWidth - kMargin && x > kMargin) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        placed.push_back({&picture, QPoint(x, y)});
        x += w + kMargin;
        rowHeight = std::max(rowHeight, picture.height * kScale + kLabelHeight);
    }
    QImage sheet(kSheetWidth, y + rowHeight + kMargin, QImage::Format_RGB32);
    sheet.fill(QColor(96, 96, 112));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    QFont font = painter.font();
    font.setPixelSize(14);
    painter.setFont(font);
    for (const Placed& p : placed) {
        const QRect target(p.at, QSize(p.picture->width * kScale, p.picture->height * kScale));
        // A checkerboard shows through where a picture is transparent (the icon's corners).
        for (int cy = 0; cy < target.height(); cy += 8) {
            for (int cx = 0; cx < target.width(); cx += 8) {
                painter.fillRect(
                    target.x() + cx, target.y() + cy, std::min(8, target.width() - cx),
                    std::min(8, target.height() - cy),
                    ((cx + cy) / 8) % 2 ? QColor(200, 200, 200) : QColor(150, 150, 150));
            }
        }
        painter.drawImage(target, pictureImage(*p.picture));
        painter.setPen(QColor(255, 255, 255));
        painter.drawText(
            QRect(target.x(), target.bottom() + 2, std::max(target.width(), 120), kLabelHeight - 2),
            Qt::AlignLeft | Qt::AlignVCenter,
            QString::fromUtf8(p.picture->owner.data(),
                              static_cast<qsizetype>(p.picture->owner.size())) +
                QString(" %1x%2").arg(p.picture->width).arg(p.picture->height));
    }
    painter.end();
    if (!sheet.save(QString::fromStdString(path), "PNG")) {
        std::cerr << "cannot write " << path << "\n";
        return 1;
    }
    std::cout << "wrote " << path << " (" << placed.size() << " pictures)\n";
    return 0;
}

int exportClips(const std::string& dir) {
    std::filesystem::create_directories(dir);
    for (int id = 1; id <= 8; ++id) {
        const auto wave = assets::clipWave(id);
        const std::filesystem::path file =
            std::filesystem::path(dir) / ("clip" + std::to_string(id) + ".wav");
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(wave.data()),
                  static_cast<std::streamsize>(wave.size()));
        if (!out) {
            std::cerr << "cannot write " << file << "\n";
            return 1;
        }
        std::cout << file.string() << " " << wave.size() << " bytes\n";
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 3 ? argv[1] : "";
    if (mode == "export-clips") {
        return exportClips(argv[2]);
    }
    if (mode == "contact-sheet") {
        // No window is opened: the offscreen platform is enough to draw text.
        if (!std::getenv("QT_QPA_PLATFORM")) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        }
        QGuiApplication app(argc, argv);
        return contactSheet(argv[2]);
    }
    std::cerr << "usage: smashbol-assets contact-sheet OUT.png\n"
                 "       smashbol-assets export-clips DIR\n";
    return 2;
}
