// How the game's windows on screen hand the player's input to the running game: the call, then
// the windows settle to whatever it changed (sizes, menus, dialogs, the clock's next wake).
#pragma once

#include "engine/running/running_game.h"

namespace views {

class GameInput {
  public:
    virtual running::Game& game() = 0;
    // Mirrors what the game changed; safe to call from inside a settling.
    virtual void settle() = 0;

    template <class Call>
    void act(Call&& call) {
        call(game());
        settle();
    }

  protected:
    ~GameInput() = default;
};

}  // namespace views
