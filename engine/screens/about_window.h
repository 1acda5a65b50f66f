// The about window: title, credits, the rules in a black box and a globe that drops onto its
// shadow, 20 ms a frame. A click anywhere closes it. The object lives for the whole run, so the
// globe goes on from the frame after the last one shown; the controls are made anew at each
// opening.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/core/controls.h"
#include "engine/core/host.h"

namespace screens {

constexpr float kAboutWidth = 4575;
constexpr float kAboutHeight = 3135;

class Form2 {
  public:
    explicit Form2(tk::Host& host) : host_(host) {}

    // Creates the window's controls afresh, runs Form_Load and starts the globe's timer.
    void Load();
    bool loaded() const { return loaded_; }

    void Form_Load();
    void Timer1_Timer();  // shows the next globe frame

    // A click anywhere (a text, the globe, a rule, the bare background) closes the window: every
    // control hands its click to the window.
    void Form_Click() { close(); }

    std::vector<tk::ControlRef> controls();

    std::int16_t globeFrame = 0;  // the frame the next tick shows

    tk::Color BackColor = tk::kWhite;
    tk::Picture Icon;
    tk::Timer Timer1;
    tk::PictureBox Picture2;                 // the globe's display
    std::array<tk::PictureBox, 8> Picture1;  // the eight globe frames, hidden
    tk::Label Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8;
    tk::LineControl Line1, Line2, Line3, Line4, Line5, Line6;

  private:
    void close();

    tk::Host& host_;
    bool loaded_ = false;
};

}  // namespace screens
