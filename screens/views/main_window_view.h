// The main window on screen: the game's controls painted on a canvas below the menu bar, the
// three timers, the keys and the splash click handed to the model's handlers. After every event
// a handler takes, the view mirrors the model: timers, menus, the window's size, then a repaint.
#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>

#include "flow/main_window.h"
#include "toolkit/qt/form_canvas.h"
#include "toolkit/qt/menu_link.h"
#include "toolkit/qt/timer_link.h"

namespace views {

class SessionRecorder;

class MainWindowView : public QMainWindow {
  public:
    MainWindowView(flow::MainWindow& model, tkqt::FormPainter& painter);
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

    // Mirrors the model: timers, menus, window size; asks for a repaint.
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

    // Ends the window for good (the program's end): no handler runs after this.
    void unload();
    bool unloaded() const { return closed_; }

    tkqt::FormCanvas& canvas() { return *canvas_; }
    tkqt::MenuLink& menus() { return *menus_; }
    const tkqt::TimerLink& timer1() const { return *timer1_; }
    const tkqt::TimerLink& timer2() const { return *timer2_; }
    const tkqt::TimerLink& timer4() const { return *timer4_; }
    flow::MainWindow& model() { return model_; }

    tkqt::FormScene scene();

    // Key events as the window receives them, before any widget: the game previews every key.
    bool eventFilter(QObject* watched, QEvent* event) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void clicked(const tk::Control* control);
    void layoutClient();
    int menuBarHeight();
    void watchWindowKeys();
    void reportTickRates();
    void recorded(std::string line, const std::function<void()>& handler);

    flow::MainWindow& model_;
    tkqt::FormCanvas* canvas_;
    std::unique_ptr<tkqt::MenuLink> menus_;
    std::unique_ptr<tkqt::TimerLink> timer1_, timer2_, timer4_;
    float innerHeightTwips_;  // the window's height below its title bar
    SessionRecorder* recorder_ = nullptr;
    bool closed_ = false;
    bool watchingKeys_ = false;
    int measuredMenus_ = -1;  // how many top-level menus were shown when the bar was measured
    int measuredBarHeight_ = 0;
};

}  // namespace views
