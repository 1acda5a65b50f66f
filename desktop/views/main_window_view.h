// The main window on screen: the game's controls painted on a canvas below the menu bar, the
// three timers on the game's clock, the keys and the splash click handed to the model's handlers.
// After every event a handler takes, the view mirrors the model: timers, menus, the window's
// size, then a repaint; the ticks of one wake of the clock are mirrored once, after the last.
// The game keeps its sizes in twips; the view shows them at a whole-number zoom (Ctrl+Plus,
// Ctrl+Minus, Ctrl+0), never larger than the screen takes, or full screen (F11) at the largest
// zoom that fits, centred on black. Beside the game's own menus, a menu of the view's settings
// opens on a right click, the Menu key or Shift+F10.
#pragma once

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/flow/main_window.h"
#include "desktop/qt/frame_canvas.h"
#include "desktop/qt/menu_link.h"
#include "desktop/qt/menu_style.h"
#include "desktop/views/game_clock.h"
#include "desktop/views/preferences.h"

namespace views {

class SessionRecorder;

class MainWindowView : public QMainWindow {
  public:
    static constexpr int kMaxZoom = 4;
    static constexpr int kClientWidthPx =
        static_cast<int>(game::kClientWidth / tk::kTwipsPerPixel);  // the width at zoom 1

    // `preferences` are this run's (remembered, or given on the command line); when the player
    // changes one with the keys or the settings menu, the change is saved through `store` (if
    // any), and only that one.
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
    // The zoom chosen, 1 to 4: remembered, given, or set with the keys. The window shows it
    // when the screen takes it, else the largest that fits; full screen shows its own zoom.
    int zoom() const { return zoom_; }
    // Shows the window at this zoom, or the largest that fits if the screen is smaller; the zoom
    // shown is then the chosen one. Nothing changes in full screen. Says whether the zoom shown
    // changed.
    bool setZoom(int zoom);
    // Full screen: the player's choice (F11), or the window manager's full screen or maximised
    // state, which the game follows.
    bool isFullScreenGame() const { return fullScreen_; }
    void setFullScreenGame(bool on);
    // The zoom that shows the game now: the chosen one as far as the screen takes it, or in full
    // screen the largest that fits.
    int shownZoom() const;
    // The largest zoom (at least 1, at most kMaxZoom) at which the window, `innerHeightPx` high
    // at zoom 1 below its title bar, fits in `room` with a frame of `frame`.
    static int largestZoomThatFits(QSize room, QMargins frame, int innerHeightPx);
    // `wanted` moved the least way that puts it inside `room`; the top-left corner is kept inside
    // when it cannot fit.
    static QRect movedInside(QRect wanted, const QRect& room);

    // The settings beside the game's rules, as the settings menu changes them.
    void setMuted(bool on);
    void setAutoPause(bool on) { autoPause_ = on; }
    bool classicTiming() const;
    void setClassicTiming(bool on);
    // "cs", "en", or empty for the desktop's language.
    void setLanguage(const std::string& language);
    // Told when the sound is turned on or off.
    std::function<void(bool muted)> onMuted;
    // The settings menu, opened at a point of the screen; built at the first opening.
    void openSettings(QPoint at);
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
    void moveEvent(QMoveEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

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
    void remember(const std::function<void(Preferences&)>& change);
    QRect availableArea() const;
    QMargins decoration() const;
    int fittingZoom() const;
    void refit();
    void resizeInPlace(bool keepCentre);
    void settle();
    void noteNormalFrame();
    QSize windowSize() const;
    void enterWholeScreen(bool ask);
    void leaveWholeScreen(bool ask);
    void followWindowState(Qt::WindowState state);
    void takeScreenIfUnanswered();
    void openMenuBar();
    void buildSettings();
    void showSettings();
    void zoomMenus(QWidget& menus);

    flow::MainWindow& model_;
    PreferenceStore* store_;
    QWidget* stage_;  // black, the window's whole client area
    QWidget* frame_;  // the game: menu bar and canvas, centred on the stage
    QMenuBar* bar_;
    tkqt::FrameCanvas* canvas_;
    tkqt::MenuStyle* menuStyle_;  // the menu bar's, its menus' and the settings menu's
    std::unique_ptr<tkqt::MenuLink> menus_;
    QMenu* settings_ = nullptr;
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
    int fitted_ = 1;  // the zoom shown in a window: the chosen one as far as the screen takes it
    bool fullScreen_ = false;
    bool settled_ = false;  // placed once the window manager's frame was known
    QRect normalFrame_;     // the window's place and size, frame included, before full screen
    QMargins normalFrameMargins_;
    bool autoPause_ = true;
    bool muted_ = false;
    std::string language_;            // as chosen: "cs", "en", or empty for the desktop's
    std::vector<int> heldKeys_;       // codes the game saw go down and not yet up
    std::vector<int> swallowedKeys_;  // the window's own keys, kept from the game until released
};

}  // namespace views
