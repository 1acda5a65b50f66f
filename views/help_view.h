// The help window on screen: borderless and modal, three texts and two key pictures, closed by a
// click anywhere.
#pragma once

#include <QDialog>

#include "screens/help_window.h"
#include "toolkit/qt/form_canvas.h"

namespace views {

class HelpView : public QDialog {
  public:
    HelpView(screens::Form3& model, tkqt::FormPainter& painter, QWidget* parent);

    tkqt::FormCanvas& canvas() { return *canvas_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    screens::Form3& model_;
    tkqt::FormCanvas* canvas_;
};

}  // namespace views
