// The about or the help window on screen while the running game has it open: borderless, modal
// to the main window without holding its thread, at the main window's zoom, one canvas showing
// the window's frames. Its clicks and keys go to the game, which closes it.
#pragma once

#include <QDialog>

#include "desktop/qt/frame_canvas.h"
#include "desktop/views/game_input.h"
#include "desktop/views/key_path.h"

namespace views {

class DialogView : public QDialog {
  public:
    DialogView(GameInput& input, running::Window window, KeyPath& keys, QWidget* parent);

    running::Window window() const { return window_; }
    tkqt::FrameCanvas& canvas() { return *canvas_; }
    // Shows it centred on `over` (the main window's frame), with the keyboard focus.
    void open(const QRect& over);
    // The title and the zoom as the game has them now.
    void mirror();

    // Escape and the like are the game's: nothing closes the window but the game.
    void reject() override {}

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    GameInput& input_;
    running::Window window_;
    KeyPath& keys_;
    tkqt::FrameCanvas* canvas_;
};

}  // namespace views
