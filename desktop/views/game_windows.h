// The running game on the desktop: the game itself and everything it asks of the front end. The
// main window for the whole run, the about or help window while the game has one open, a message
// box while the game shows one (none of them holding the thread), the clock that wakes the game,
// the clips for the wave player, and the settings the player changes kept for the next run.
// After every call into the game, the windows settle to what it changed.
#pragma once

#include <QMessageBox>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "desktop/views/dialog_view.h"
#include "desktop/views/game_clock.h"
#include "desktop/views/game_input.h"
#include "desktop/views/main_window_view.h"
#include "desktop/views/preferences.h"
#include "desktop/views/tick_report.h"

namespace views {

class GameWindows final : public running::Outlet, public GameInput {
  public:
    using WaveSink = std::function<void(std::span<const std::uint8_t>)>;

    // The game runs with `options` (their time and seed filled in here when left empty). A
    // setting the player changes is saved through `store` (none in tests), and only that one.
    explicit GameWindows(running::Options options, PreferenceStore* store = nullptr);
    ~GameWindows() override;

    running::Game& game() override { return *game_; }
    void settle() override;

    // The main window's load (or what `begin` does instead: a recording watched), then the window
    // shown: centred on the screen, or full screen.
    void start(const std::function<void(running::Game&)>& begin = {});

    MainWindowView& mainWindow() { return *main_; }
    DialogView* dialog() { return dialog_; }
    QMessageBox* messageBox() { return message_; }
    const GameClock& clock() const { return clock_; }

    // Where the clips go (the wave player), and told when the sound is turned on or off.
    WaveSink onWave;
    std::function<void(bool muted)> onMuted;

    void playWave(std::span<const std::uint8_t> waveImage) override;
    void showMessage(std::string_view title, std::string_view text) override;
    void windowsChanged() override { asked_.windows = true; }
    void fullScreenAsked(bool on) override { asked_.fullScreen = on; }
    void menuBarAsked() override { asked_.menuBar = true; }
    void settingsMenuAsked() override { asked_.settingsMenu = true; }
    void settingsChanged(const running::Settings& settings) override;
    void ended() override { asked_.ended = true; }

  private:
    // What the game asked for inside its last call, done once the call is over.
    struct Asked {
        bool windows = false;
        std::optional<bool> fullScreen;
        bool menuBar = false;
        bool settingsMenu = false;
        bool ended = false;
        std::optional<std::pair<std::string, std::string>> message;
    };

    void settleOnce();
    void mirrorDialog();
    void openMessage(const std::string& title, const std::string& text);
    void end();

    std::unique_ptr<running::Game> game_;
    PreferenceStore* store_;
    running::Settings known_;  // the settings as last seen
    Asked asked_;
    std::unique_ptr<MainWindowView> main_;
    QPointer<DialogView> dialog_;
    QPointer<QMessageBox> message_;
    GameClock clock_;
    std::unique_ptr<TickReport> ticks_;
    bool settling_ = false;
    bool again_ = false;
    bool closed_ = false;
};

}  // namespace views
