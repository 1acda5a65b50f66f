// The three windows as the renderer draws them, and the size of each one's client area in
// pixels: what every front end (the desktop, the browser, the headless driver) shows.
#pragma once

#include "engine/game/form1.h"
#include "engine/render/renderer.h"
#include "engine/screens/about_window.h"
#include "engine/screens/help_window.h"

namespace screens {

// The main window: the grass, the court with the players and the ball, the splash, the score.
tk::Scene mainWindowScene(game::Form1& form);
tk::Scene aboutScene(Form2& form);
tk::Scene helpScene(Form3& form);

// The main window's client area below its menu bar: 303 pixels wide, and as high as the game
// last made the window below its title bar, less the menu bar's height when it shows.
tk::Rect mainWindowClient(float innerHeightTwips, int menuBarPx);
inline tk::Rect aboutClient() {
    return {0, 0, tk::pixels(kAboutWidth), tk::pixels(kAboutHeight)};
}
inline tk::Rect helpClient() {
    return {0, 0, tk::pixels(kHelpWidth), tk::pixels(kHelpHeight)};
}

}  // namespace screens
