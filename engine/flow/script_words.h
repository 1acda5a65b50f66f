// The words a script of events names the main window's handlers by: smashbol-trace reads them,
// a recording writes them. "click splash", "menu easy", "tick1".
#pragma once

#include "engine/flow/main_window.h"

namespace flow {

struct HandlerWord {
    const char* name;
    void (MainWindow::*handle)();
};

inline constexpr HandlerWord kClickWords[] = {{"splash", &MainWindow::Picture4_Click},
                                              {"label", &MainWindow::Label5_Click}};
inline constexpr HandlerWord kMenuWords[] = {
    {"easy", &MainWindow::easy_Click}, {"med", &MainWindow::med_Click},
    {"hard", &MainWindow::hard_Click}, {"exit", &MainWindow::exit_Click},
    {"hra", &MainWindow::hra_Click},   {"about", &MainWindow::about_Click}};

// A timer's tick word, the timer and its handler.
struct TickWord {
    const char* name;
    tk::Timer game::Form1::*timer;
    void (game::Form1::*tick)();
};
inline constexpr TickWord kTickWords[] = {
    {"tick1", &MainWindow::Timer1, &MainWindow::Timer1_Timer},
    {"tick2", &MainWindow::Timer2, &MainWindow::Timer2_Timer},
    {"tick4", &MainWindow::Timer4, &MainWindow::Timer4_Timer}};

}  // namespace flow
