// What the about and help windows share: no frame of the platform's own, modal, one canvas that
// paints the window's controls on its background colour over a client area of a fixed size in
// twips, and the keyboard focus as soon as they show.
#pragma once

#include <QDialog>
#include <QWidget>

#include <functional>

#include "desktop/qt/frame_canvas.h"

namespace views {

// The property of the owner window that holds its zoom; its windows open at the same zoom.
constexpr const char* kZoomProperty = "smashbolZoom";

constexpr Qt::WindowFlags kBorderlessDialog = Qt::Dialog | Qt::FramelessWindowHint;

// Gives the window its title, makes it modal and builds its canvas: `scene` says what to paint,
// `onClick` hears which control a click landed on.
tkqt::FrameCanvas* makeDialogCanvas(QDialog& dialog, const char* title,
                                    const tk::Renderer& renderer, std::function<tk::Scene()> scene,
                                    std::function<void(const tk::Control*)> onClick,
                                    float widthTwips, float heightTwips);

// Without a window manager a new window gets no keys until it is activated.
void takeFocus(QDialog& dialog);

}  // namespace views
