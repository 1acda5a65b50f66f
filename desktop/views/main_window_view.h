// The main window on screen: the running game's frames on a canvas below the menu bar, at the
// zoom the game shows, or full screen centred on black. It hands the player's keys, clicks,
// menu choices and focus to the game, tells the game the room the screen leaves it, and mirrors
// what the game offers: the title, the menus, the window's size. Beside the game's own menus, the
// settings menu opens where the game asks and on a right click.
#pragma once

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <memory>
#include <optional>
#include <string>

#include "desktop/qt/frame_canvas.h"
#include "desktop/qt/menu_link.h"
#include "desktop/qt/menu_style.h"
#include "desktop/views/game_input.h"
#include "desktop/views/key_path.h"

namespace views {

class MainWindowView : public QMainWindow {
  public:
    explicit MainWindowView(GameInput& input);
    ~MainWindowView() override;

    // The title, the menus, the zoom and the window's size as the game has them now.
    void mirror();
    // Shows the window the first time: centred on the screen, or full screen.
    void present();
    // Full screen as the player asked the game for it: the window manager is asked in turn,
    // and back in a window the window is where and as large as it was.
    void setFullScreenGame(bool on);
    // F10 and Alt: the menu bar takes the keys, its first menu marked, none open yet.
    void openMenuBar();
    // The settings menu, at a point of the screen; at the game's centre when none is given.
    void openSettings(std::optional<QPoint> at = std::nullopt);

    // `wanted` moved the least way that puts it inside `room`; the top-left corner is kept inside
    // when it cannot fit.
    static QRect movedInside(QRect wanted, const QRect& room);

    tkqt::FrameCanvas& canvas() { return *canvas_; }
    // The game's menus in the menu bar, which is made now if the game has not shown it yet.
    tkqt::MenuLink& menus();
    // The menu bar; none until the game first shows it or its menus are asked for.
    QMenuBar* bar() const { return bar_; }
    tkqt::MenuLink* settingsLink() { return settingsLink_.get(); }
    KeyPath& keyPath() { return *keys_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    running::Game& game() { return input_.game(); }
    void command(const std::string& name);
    QMenuBar& makeBar();
    void hook(QMenu& menu);
    void watchWindow();
    void watchFocus();
    // window_size.cpp
    QSize gameSize();
    void layoutClient();
    void resizeInPlace(bool keepCentre);
    void settlePlace();
    void noteNormalFrame();
    void updateRoom();
    void zoomMenus(QWidget& menus);
    QRect availableArea() const;
    QMargins decoration() const;
    // full_screen.cpp
    void enterWholeScreen(bool ask);
    void leaveWholeScreen(bool ask);
    void followWindowState(Qt::WindowState state);
    void takeScreenIfUnanswered();

    GameInput& input_;
    QWidget* stage_;  // black, the window's whole client area
    QWidget* frame_;  // the game: menu bar and canvas, centred on the stage
    QMenuBar* bar_ = nullptr;
    tkqt::FrameCanvas* canvas_;
    tkqt::MenuStyle* menuStyle_;  // the menu bar's, its menus' and the settings menu's
    std::unique_ptr<tkqt::MenuLink> menus_;
    QMenu* settings_ = nullptr;
    std::unique_ptr<tkqt::MenuLink> settingsLink_;
    KeyPath* keys_;
    bool watching_ = false;
    int zoom_ = 0;      // the zoom laid out
    QSize laidOut_;     // the game's size laid out, at zoom 1
    int menuZoom_ = 0;  // the zoom the menus' fonts were set for
    bool fullScreen_ = false;
    bool settled_ = false;  // placed once the window manager's frame was known
    QRect normalFrame_;     // the window's place and size, frame included, before full screen
    QMargins normalFrameMargins_;
    running::Room room_;  // the room last given to the game
};

}  // namespace views
