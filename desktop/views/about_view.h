// The about window on screen: borderless and modal, the globe turning every 20 ms on the game's
// clock (the main window's timers run on behind it), closed by a click anywhere.
#pragma once

#include <QDialog>

#include "engine/screens/about_window.h"
#include "desktop/qt/frame_canvas.h"
#include "desktop/views/game_clock.h"

namespace views {

class AboutView : public QDialog {
  public:
    // The model must be loaded (Form2::Load) before the view is built; its timer ticks by
    // `clock` while the view lives.
    AboutView(screens::Form2& model, const tk::Renderer& renderer, GameClock& clock,
              QWidget* parent);
    ~AboutView() override;

    template <class Handler>
    void handle(Handler&& handler) {
        handler();
        sync();
    }
    void sync();

    tkqt::FrameCanvas& canvas() { return *canvas_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    screens::Form2& model_;
    tkqt::FrameCanvas* canvas_;
    GameClock& clock_;
    flow::Clock::Id timer1_;
};

}  // namespace views
