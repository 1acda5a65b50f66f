#include "screens/views/dialog_frame.h"

#include <QTimer>

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
    const QSize size(tkqt::pixels(widthTwips), tkqt::pixels(heightTwips));
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
