// The way of a key: every key the game's windows get goes to the running game, which decides
// whether it is the window's own (zoom, full screen, the menus, a shortcut) or the game's. Alt's
// own press and release too, so that the menu bar opens when the game says, not by itself. While
// the menu bar is walked with the keys, they are the bar's.
#pragma once

#include <QObject>
#include <QWindow>

#include <functional>

#include "desktop/views/game_input.h"

namespace views {

class KeyPath : public QObject {
  public:
    // `menuHasKeys` says whether a menu walked with the keys has them now.
    KeyPath(GameInput& input, std::function<bool()> menuHasKeys, QObject* parent);

    // The keys of `window` from now on, before any of its widgets.
    void watch(QWindow& window);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    GameInput& input_;
    std::function<bool()> menuHasKeys_;
};

}  // namespace views
