// The main window on screen: the game's controls painted on a canvas below the menu bar, the
// three timers on the game's clock, the keys and the splash click handed to the model's handlers.
// After every event a handler takes, the view mirrors the model: timers, menus, the window's
// size, then a repaint; the ticks of one wake of the clock are mirrored once, after the last.
// The game keeps its sizes in twips; the view shows them at a whole-number zoom (Ctrl+Plus,
// Ctrl+Minus, Ctrl+0) or full screen (F11) at the largest zoom that fits, centred on black.
#pragma once

#include <QMainWindow>
#include <QMenuBar>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "flow/main_window.h"
#include "toolkit/qt/frame_canvas.h"
#include "toolkit/qt/menu_link.h"
#include "views/game_clock.h"
#include "views/preferences.h"

namespace views {

class SessionRecorder;

class MainWindowView : public QMainWindow {
  public:
    static constexpr int kMaxZoom = 4;
    static constexpr int kClientWidthPx =
        static_cast<int>(game::kClientWidth / tk::kTwipsPerPixel);  // the width at zoom 1

    // `preferences` are this run's (remembered, or given on the command line); when the player
    // changes the zoom or full screen with the keys, the change is saved through `store` (if any).
    MainWindowView(flow::MainWindow& model, const tk::Renderer& renderer,
                   const Preferences& preferences = {}, PreferenceStore* store = nullptr);
    ~MainWindowView() override;

    // Runs one of the model's handlers as an event of this window, then mirrors the model.
    template <class Handler>
    void handle(Handler&& handler) {
        if (closed_)
            return;
        handler();
        if (!closed_)
            sync();
    }

    // One of the model's handlers without arguments (a tick or a menu command), run as above.
    using Handler = void (flow::MainWindow::*)();
    void run(Handler handler);

    // Mirrors the model: timers, menus, window size; asks for a repaint. Inside the clock's ticks
    // it waits for the last of them.
    void sync();

    // The window's outer height in twips, and setting it: the game grows the window once to
    // make room for the menu bar.
    float outerHeight() const;
    void setOuterHeight(float twips);

    // A key-down or key-up handed to the game's key handlers, as the keyboard's are: anything
    // that gives the game a key goes through these, so that a recording sees it.
    void keyDown(int code, int shift = 0);
    void keyUp(int code, int shift = 0);

    // Every event this window hands to the model from now on is also written to `recorder`.
    void setRecorder(SessionRecorder* recorder) { recorder_ = recorder; }
    // Zoom 1 to 4 of the window as it is laid out; full screen shows its own, larger, zoom.
    int zoom() const { return zoom_; }
    void setZoom(int zoom);
    bool isFullScreenGame() const { return fullScreen_; }
    void setFullScreenGame(bool on);
    // The zoom that shows the game now: the chosen one, or in full screen the largest that fits.
    int shownZoom() const;
    // The largest zoom at which the window's client area at start takes at most 70 % of a screen
    // this many pixels high: the zoom of the first start (2 on a 1080-pixel desktop with a
    // panel, 3 on 1440).
    static int zoomForScreenHeight(int availableHeight);

    // Shows the window as the player left it: full screen, or centred on the screen.
    void present();

    // The keyboard focus left the game window: keys seen going down get their key-up, and, if
    // the focus went to another program, a running match pauses (unless turned off).
    void focusLeft(bool toAnotherProgram);

    // Ends the window for good (the program's end): no handler runs after this.
    void unload();
    bool unloaded() const { return closed_; }

    tkqt::FrameCanvas& canvas() { return *canvas_; }
    tkqt::MenuLink& menus() { return *menus_; }
    QMenuBar* menuBar() const { return bar_; }
    // The clock every timer of the game's windows ticks by, the about window's included.
    GameClock& clock() { return clock_; }
    flow::MainWindow& model() { return model_; }

    // Key events as the window receives them, before any widget: the game previews every key.
    bool eventFilter(QObject* watched, QEvent* event) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void clicked(const tk::Control* control);
    void layoutClient();
    int menuBarHeight();
    void watchWindowKeys();
    void watchFocus();
    void reportTickRates();
    void recorded(std::string line, const std::function<void()>& handler);
    bool windowKey(const QKeyEvent& key);
    void releaseHeldKeys();
    void autoPause();
    void remember();
    void showWholeScreen();

    flow::MainWindow& model_;
    PreferenceStore* store_;
    QWidget* stage_;  // black, the window's whole client area
    QWidget* frame_;  // the game: menu bar and canvas, centred on the stage
    QMenuBar* bar_;
    tkqt::FrameCanvas* canvas_;
    std::unique_ptr<tkqt::MenuLink> menus_;
    GameClock clock_;
    flow::Clock::Id timer1_, timer2_, timer4_;
    float innerHeightTwips_;  // the window's height below its title bar
    SessionRecorder* recorder_ = nullptr;
    bool closed_ = false;
    bool watchingKeys_ = false;
    int measuredMenus_ = -1;  // how many top-level menus were shown when the bar was measured
    int measuredBarHeight_ = 0;
    int measuredZoom_ = 0;
    int zoom_ = 1;
    bool fullScreen_ = false;
    bool autoPause_ = true;
    std::vector<int> heldKeys_;       // codes the game saw go down and not yet up
    std::vector<int> swallowedKeys_;  // the window's own keys, kept from the game until released
};

}  // namespace views
