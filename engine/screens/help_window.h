// The help window: how to start, pause and steer, with pictures of the keys. A click anywhere
// closes it. Nothing carries over between openings.
#pragma once

#include <vector>

#include "engine/core/controls.h"
#include "engine/core/host.h"

namespace screens {

constexpr float kHelpWidth = 4575;
constexpr float kHelpHeight = 3255;

class Form3 {
  public:
    explicit Form3(tk::Host& host);

    // A click anywhere (a text, a key picture, a rule, the frame) closes the window.
    void Form_Click() { close(); }

    bool loaded() const { return loaded_; }
    std::vector<tk::ControlRef> controls();

    tk::Color BackColor = tk::kWhite;
    tk::Label Label1;  // how to start
    tk::Label Label3;  // how to pause
    tk::LineControl Line2, Line1;
    tk::ImageControl Image2;  // the "P" key
    tk::Label Label2;         // how to steer
    tk::ImageControl Image1;  // the cursor keys
    tk::Shape Shape1;         // the frame

  private:
    void close();

    tk::Host& host_;
    bool loaded_ = true;
};

}  // namespace screens
