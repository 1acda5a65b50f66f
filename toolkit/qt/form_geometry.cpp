// Where a control lies in window pixels, and its picture as an image the painter can draw.
#include <cmath>

#include "toolkit/qt/form_painter.h"

namespace tkqt {

int pixels(float twips) {
    return static_cast<int>(std::floor(static_cast<double>(twips) / tk::kTwipsPerPixel + 0.5));
}

QRect controlRect(const tk::Control& control) {
    return QRect(pixels(control.Left), pixels(control.Top), pixels(control.Width),
                 pixels(control.Height));
}

QRect clientRect(const tk::PictureBox& box) {
    const int b = box.borderPx;
    return controlRect(box).adjusted(b, b, -b, -b);
}

const QImage& PictureCache::image(const tk::Picture& picture) {
    static const QImage none;
    const tk::Image* source = picture.image();
    if (!source || !source->rgba || source->widthPx <= 0 || source->heightPx <= 0)
        return none;
    auto found = images_.find(source);
    if (found != images_.end())
        return found->second.image;
    const QImage wrapped(source->rgba, source->widthPx, source->heightPx, source->widthPx * 4,
                         QImage::Format_RGBA8888);
    Entry entry{picture, wrapped.convertToFormat(QImage::Format_ARGB32_Premultiplied)};
    return images_.emplace(source, std::move(entry)).first->second.image;
}

}  // namespace tkqt
