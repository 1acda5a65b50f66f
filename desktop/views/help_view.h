// The help window on screen: borderless and modal, three texts and two key pictures, closed by a
// click anywhere.
#pragma once

#include <QDialog>

#include "engine/screens/help_window.h"
#include "desktop/qt/frame_canvas.h"

namespace views {

class HelpView : public QDialog {
  public:
    HelpView(screens::Form3& model, const tk::Renderer& renderer, QWidget* parent);

    tkqt::FrameCanvas& canvas() { return *canvas_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    screens::Form3& model_;
    tkqt::FrameCanvas* canvas_;
};

}  // namespace views
