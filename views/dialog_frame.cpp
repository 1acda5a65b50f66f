#include "views/dialog_frame.h"

#include <QTimer>
#include <QVariant>

#include <algorithm>

#include "toolkit/qt/form_painter.h"

namespace views {

tkqt::FormCanvas* makeDialogCanvas(QDialog& dialog, const char* title, tkqt::FormPainter& painter,
                                   std::function<tkqt::FormScene()> scene,
                                   std::function<void(const tk::Control*)> onClick,
                                   float widthTwips, float heightTwips) {
    dialog.setWindowTitle(title);
    dialog.setModal(true);
    auto* canvas = new tkqt::FormCanvas(painter, std::move(scene), &dialog);
    canvas->onClick = std::move(onClick);
    // Zoomed as the main window is.
    const int zoom = std::max(
        1, dialog.parentWidget() ? dialog.parentWidget()->property(kZoomProperty).toInt() : 1);
    canvas->setZoom(zoom);
    const QSize size(tkqt::pixels(widthTwips) * zoom, tkqt::pixels(heightTwips) * zoom);
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
