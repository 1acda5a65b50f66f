// The program's three windows by name, as the host is asked to show or unload them.
#pragma once

#include <string_view>

namespace game {

constexpr std::string_view kForm1 = "Form1";  // the main window: the court and the menu
constexpr std::string_view kForm2 = "Form2";  // the about window
constexpr std::string_view kForm3 = "Form3";  // the help window

}  // namespace game
