#include "desktop/views/dialog_frame.h"

#include <QTimer>
#include <QVariant>

#include <algorithm>

#include "desktop/qt/shown_text.h"

namespace views {

tkqt::FrameCanvas* makeDialogCanvas(QDialog& dialog, const char* title,
                                    const tk::Renderer& renderer, std::function<tk::Scene()> scene,
                                    std::function<void(const tk::Control*)> onClick,
                                    float widthTwips, float heightTwips) {
    dialog.setWindowTitle(tkqt::shown(title));
    dialog.setModal(true);
    auto* canvas = new tkqt::FrameCanvas(renderer, std::move(scene), &dialog);
    canvas->onClick = std::move(onClick);
    // Zoomed as the main window is.
    const int zoom = std::max(
        1, dialog.parentWidget() ? dialog.parentWidget()->property(kZoomProperty).toInt() : 1);
    canvas->setZoom(zoom);
    const QSize size(tk::pixels(widthTwips) * zoom, tk::pixels(heightTwips) * zoom);
    canvas->setGeometry(QRect(QPoint(0, 0), size));
    canvas->setFixedSize(size);
    dialog.setFixedSize(size);
    return canvas;
}

void takeFocus(QDialog& dialog) {
    dialog.raise();
    dialog.activateWindow();
}

}  // namespace views
