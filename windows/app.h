// The running game in Win32's windows: the main window with its native menu bar, the about and
// help windows owned by it, the message box, the settings popup, the clips, the controllers and
// the one clock, a high-resolution waitable timer armed at the game's next wake. Everything the
// game asks (the outlet's calls) is noted while the game works and carried out after it returns.
#pragma once

#include "windows/win32.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/running/running_game.h"
#include "windows/files.h"
#include "windows/gamepad.h"
#include "windows/menus.h"
#include "windows/sound.h"

namespace win {

// Shows the language chosen, or Windows' display language when none is.
void showLanguage(const std::string& chosen);

// What the windows post themselves, to be done after the game's call that asked for it.
constexpr UINT kShowMessage = WM_APP + 1;
constexpr UINT kSettingsMenu = WM_APP + 2;

class App final : public running::Outlet {
  public:
    // `options.settings`: this run's; `store` keeps what the player changes.
    App(HINSTANCE instance, running::Options options, SettingsFile& store);
    ~App() override;
    running::Game& game() { return *game_; }
    // Opens the main window and plays until the program ends: from the load, or from what `begin`
    // does instead (a recording watched).
    int run(const std::function<void(running::Game&)>& begin = {});

    // --- the outlet -------------------------------------------------------------------------
    void playWave(std::span<const std::uint8_t> waveImage) override { sound_.play(waveImage); }
    void showMessage(std::string_view title, std::string_view text) override;
    void windowsChanged() override { asked_.windows = true; }
    void fullScreenAsked(bool on) override { asked_.fullScreen = on; }
    void menuBarAsked() override { asked_.menuBar = true; }
    void settingsMenuAsked() override { asked_.settingsMenu = true; }
    void settingsChanged(const running::Settings& settings) override;
    void ended() override { asked_.ended = true; }

    // Both windows' procedure (window_proc.cpp).
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    struct Asked {
        bool windows = false, menuBar = false, settingsMenu = false, ended = false;
        std::optional<bool> fullScreen;
        std::optional<std::pair<std::string, std::string>> message;
    };
    struct View {
        HWND window = nullptr;
        const tk::Frame* frame = nullptr;  // the game's own, as last taken
        int zoom = 1;
        POINT offset{};  // where the frame lies in the client area (full screen centres it)
    };

    // One call into the game, then what it asked for; calls made meanwhile (a window procedure
    // run by what the settling did) go straight to the game and settle once more.
    void act(const std::function<void(running::Game&)>& call);
    void settleOnce();
    static flow::Nanos now();

    // --- the windows (windows.cpp) --------------------------------------------------------------
    void createMain(const std::function<void(running::Game&)>& begin);
    void mirror();
    void layoutMain();
    void updateRoom();
    void setFullScreen(bool on);
    void mirrorDialog();
    void present(running::Window which);
    void paint(HWND window);
    View* viewOf(HWND window);
    running::Window windowOf(HWND window) const;
    RECT workArea() const;

    // --- input (window_proc.cpp) ----------------------------------------------------------------
    void key(UINT message, WPARAM vk, LPARAM flags);
    void openMessage();
    void openSettingsMenu(POINT at);

    HINSTANCE instance_;
    SettingsFile& store_;
    running::Settings known_;  // what the game's settings were when last told
    std::unique_ptr<running::Game> game_;
    Sound sound_;
    Gamepad gamepad_;
    NativeMenus menus_;
    HANDLE timer_ = nullptr;
    View main_, dialog_;
    std::optional<running::Window> dialogOf_;
    Asked asked_;
    std::optional<std::pair<std::string, std::string>> message_;  // the box to open
    bool settling_ = false, again_ = false, closed_ = false;
    bool frameDue_ = false;  // the game may show something new
    flow::Nanos lastFrame_ = 0, frameEvery_ = 1'000'000'000 / 60;
    bool fullScreen_ = false;
    RECT normal_{};  // the window's place before full screen
    POINT press_{};
    // The keys whose downs the game got: the virtual key and the message's flags.
    std::vector<std::pair<WPARAM, LPARAM>> keysDown_;
};

}  // namespace win
