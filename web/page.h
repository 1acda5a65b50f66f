// The running game as the page holds it: the game with the page's outlet below it, the settings
// the browser keeps, the settings menu walked with the keys, the recording kept in memory, and the
// records the bridge hands the page's script.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/running/gamepad.h"
#include "engine/running/running_game.h"
#include "web/bridge.h"
#include "web/words.h"

namespace web {

// The page's side of the game's outlet: the clips, the message box, the full screen and the kept
// settings go out to the page's script; the rest is noted for it to read.
class PageOutlet final : public running::Outlet {
  public:
    // `kept` as the browser keeps them; the settings a run starts with may differ by what the
    // address asks for one visit, which is never kept.
    PageOutlet(running::Settings kept, running::Settings shown, std::string browserLanguages);

    void playWave(std::span<const std::uint8_t> waveImage) override;
    void showMessage(std::string_view title, std::string_view text) override;
    void windowsChanged() override;
    void fullScreenAsked(bool on) override;
    void settingsMenuAsked() override { settingsMenuWanted = true; }
    void settingsChanged(const running::Settings& settings) override;
    void ended() override;

    // Shows the language the settings ask for: their own, else the browser's first it speaks.
    void showLanguage(const running::Settings& settings) const;
    const running::Settings& kept() const { return kept_; }
    const std::string& browserLanguages() const { return browserLanguages_; }

    bool settingsMenuWanted = false;

  private:
    running::Settings kept_, shown_;
    std::string browserLanguages_;
};

// Where the page keeps the session's script: memory, up to a limit (an intro left running writes
// about 5 MB an hour, a match far less).
class Memory final : public flow::RecordingSink {
  public:
    static constexpr std::size_t kLimit = 16u << 20;
    bool write(std::string_view text) override;
    std::string text;
    bool closed = false;
};

// What a watched recording's `print` writes: to the page's script.
void tellPrinted(std::string_view text);

class Page {
  public:
    // The notices outlive a page: a recording watched on a fresh one keeps them.
    Page(running::Settings kept, running::Settings shown, std::string browserLanguages,
         Notices& notices);
    void recordTo(const std::string& name);
    // A page on a new game, not yet loaded, with this one's settings: a recording is watched on it.
    std::unique_ptr<Page> fresh();

    // A key the page took from the keyboard: the settings menu's walk, else the game's.
    bool key(bool down, const running::Key& key);
    // The touch screen's buttons held: their keys go down and up, and repeat, as a gamepad's.
    void touch(bool left, bool right, bool pause, double nowMs);
    // The game's time, and the repeats of the buttons held, at `nowMs` of the page's clock.
    void advance(double nowMs);
    void settingsMenu(bool open);
    // A menu the pointer opened (`toggle`: a click, which closes it again) or passed over, which
    // opens it only while a menu the pointer opened shows. True when the menus changed.
    bool pointMenu(std::string_view name, bool toggle);
    // A press outside the menus closes every menu the pointer or the keys opened; true if any was.
    bool closeMenus();
    bool command(std::string_view name);
    void fullScreen(bool on);

    const SmashbolFrame& frame(running::Window window);
    const SmashbolView& view();
    const SmashbolMenus& menus(int which);
    const SmashbolNotices& notices();
    // The session so far, closed by the state it ends in: once taken, the recording ends there.
    const std::string& recording();

    running::Game& game() { return game_; }

  private:
    // The game's menu bar and the page's own recording menu after it.
    std::vector<running::MenuEntry> menuBar() const;
    std::vector<running::MenuEntry> settingsBar() const;
    void openSettingsWalk();

    PageOutlet outlet_;
    running::Game game_;
    Memory memory_;
    bool recorded_ = false;
    Notices& notices_;
    bool matchDecided_ = false, ended_ = false;  // as the last view saw them
    std::optional<running::MenuWalk> settingsWalk_;
    std::vector<int> walkedKeys_;       // keys the settings menu took: their releases are its too
    std::vector<std::string> pointed_;  // the menu the pointer opened on each level, or ""
    running::GamepadKeys touchKeys_{[this](const running::Key& k, bool down) { key(down, k); }};

    // What the records point into stays until the next call that makes them anew.
    std::array<std::vector<std::uint32_t>, 3> rgba_;
    std::array<SmashbolFrame, 3> frames_{};
    SmashbolView view_{};
    std::array<std::string, 3> viewTexts_;
    std::array<SmashbolMenus, 2> menus_{};
    std::array<std::vector<SmashbolMenuEntry>, 2> entries_;
    std::array<std::vector<running::MenuEntry>, 2> trees_;
    SmashbolNotices noticesRecord_{};
    std::vector<SmashbolNotice> noticeEntries_;
    std::vector<std::string> noticeTexts_;
};

}  // namespace web
