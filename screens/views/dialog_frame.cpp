#include "screens/views/dialog_frame.h"

#include <QTimer>

#include "toolkit/qt/form_painter.h"

namespace views {

void fitToClient(QDialog& dialog, QWidget& canvas, float widthTwips, float heightTwips) {
    const QSize size(tkqt::pixels(widthTwips), tkqt::pixels(heightTwips));
    canvas.setGeometry(QRect(QPoint(0, 0), size));
    canvas.setFixedSize(size);
    dialog.setFixedSize(size);
}

void takeFocus(QDialog& dialog) {
    dialog.raise();
    dialog.activateWindow();
}

}  // namespace views
