// What the about and help windows share: no frame of the platform's own, a client area of a
// fixed size in twips, and the keyboard focus as soon as they show.
#pragma once

#include <QDialog>
#include <QWidget>

namespace views {

constexpr Qt::WindowFlags kBorderlessDialog = Qt::Dialog | Qt::FramelessWindowHint;

// Sizes the window and its canvas to the client area.
void fitToClient(QDialog& dialog, QWidget& canvas, float widthTwips, float heightTwips);

// Without a window manager a new window gets no keys until it is activated.
void takeFocus(QDialog& dialog);

}  // namespace views
