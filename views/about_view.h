// The about window on screen: borderless and modal, the globe turning every 20 ms, closed by a
// click anywhere.
#pragma once

#include <QDialog>

#include <memory>

#include "screens/about_window.h"
#include "toolkit/qt/frame_canvas.h"
#include "toolkit/qt/timer_link.h"

namespace views {

class AboutView : public QDialog {
  public:
    // The model must be loaded (Form2::Load) before the view is built.
    AboutView(screens::Form2& model, const tk::Renderer& renderer, QWidget* parent);

    template <class Handler>
    void handle(Handler&& handler) {
        handler();
        sync();
    }
    void sync();

    tkqt::FrameCanvas& canvas() { return *canvas_; }
    const tkqt::TimerLink& timer1() const { return *timer1_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    screens::Form2& model_;
    tkqt::FrameCanvas* canvas_;
    std::unique_ptr<tkqt::TimerLink> timer1_;
};

}  // namespace views
