// The kinds of control the game's windows are made of. Positions and sizes are single-precision
// twips in the container's frame; the views read these structs and draw them.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "engine/core/picture.h"

namespace tk {

// A colour as the game writes it: red in the low byte, then green, then blue.
using Color = std::uint32_t;
constexpr Color RGB(int r, int g, int b) {
    return static_cast<Color>(r) | static_cast<Color>(g) << 8 | static_cast<Color>(b) << 16;
}
constexpr int redOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr Color kBlack = RGB(0, 0, 0);
constexpr Color kWhite = RGB(255, 255, 255);

struct Font {
    std::string name = "MS Sans Serif";
    float sizePt = 8.25f;
    bool bold = false;
    bool italic = false;
};

enum class Alignment { Left, Right, Center };

// A segment drawn with Line (flags 4): stays on the surface until Cls.
struct DrawnLine {
    float x1, y1, x2, y2;
    Color color;
};

struct Surface {
    std::vector<DrawnLine> drawing;
    void Line(float x1, float y1, float x2, float y2, Color color) {
        drawing.push_back({x1, y1, x2, y2, color});
    }
    void Cls() { drawing.clear(); }
};

struct Control {
    std::string name;
    float Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = true;
};

// Puts a control at its place in its container's frame, as the window's layout gives it.
inline void place(Control& c, const char* name, float left, float top, float width, float height,
                  bool visible = true) {
    c.name = name;
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
    c.Visible = visible;
}

struct PictureBox : Control, Surface {
    Color BackColor = RGB(255, 255, 255);
    int borderPx = 0;       // 0 none, 1 flat, 2 three-dimensional
    bool AutoSize = false;  // the box takes its picture's size (plus its border)

    const Picture& picture() const { return picture_; }
    // A self-sizing box keeps its top-left corner and takes the picture's size.
    void setPicture(Picture picture) {
        picture_ = std::move(picture);
        if (AutoSize) {
            const float border = 2.0f * static_cast<float>(borderPx) * kTwipsPerPixel;
            Width = picture_.widthTwips() + border;
            Height = picture_.heightTwips() + border;
        }
    }

  private:
    Picture picture_;
};

struct Label : Control {
    std::string Caption;
    Color ForeColor = kBlack;
    Color BackColor = kWhite;
    bool transparent = true;
    Font font;
    Alignment alignment = Alignment::Left;
    bool AutoSize = false;
    bool WordWrap = false;
};

struct Shape : Control {
    enum class Kind { Rectangle, Circle };
    Kind kind = Kind::Rectangle;
    bool filled = false;
    Color FillColor = kBlack;
    Color BorderColor = kBlack;
};

struct TextBox : Control {
    std::string Text;
};

struct ImageControl : Control {
    Picture picture;
};

struct LineControl {
    std::string name;
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    Color BorderColor = kBlack;
};

// A timer's Enabled, read and written as a truth value. It also counts the times it was switched
// on, so that whoever runs the timer sees an off-and-on again inside one handler, which starts the
// interval afresh, where writing true to a running timer changes nothing.
class TimerSwitch {
  public:
    constexpr TimerSwitch(bool on = false) : on_(on) {}
    constexpr TimerSwitch(const TimerSwitch&) = default;
    // Taking another's value is a write like any other: the count only ever grows.
    constexpr TimerSwitch& operator=(const TimerSwitch& other) { return *this = other.on_; }
    constexpr TimerSwitch& operator=(bool on) {
        if (on && !on_)
            ++starts_;
        on_ = on;
        return *this;
    }
    constexpr operator bool() const { return on_; }
    constexpr unsigned starts() const { return starts_; }

  private:
    bool on_;
    unsigned starts_ = 0;
};

struct Timer {
    std::string name;
    TimerSwitch Enabled = false;
    int Interval = 0;  // milliseconds
};

struct MenuItem {
    std::string name;
    std::string Caption;
    std::string shortcut;  // "Ctrl+A", or "" for none
    bool Visible = true;
    bool Enabled = true;
};

// A menu item that is the only element of a menu control array: reached with its index,
// `menu(10)`. Any other index is an error, as it would be in the window's own menu.
struct MenuArray {
    int index;
    MenuItem element;
    MenuItem& operator()(int i) {
        if (i != index)
            throw std::out_of_range("menu array " + element.name + " has no element " +
                                    std::to_string(i));
        return element;
    }
    const MenuItem& operator()(int i) const { return const_cast<MenuArray&>(*this)(i); }
};

}  // namespace tk

namespace tk {

// A control of a container, as the painter walks them in the window's own order: one of the
// kinds above, a line being the one kind without a box.
class ControlRef {
  public:
    using Target = std::variant<PictureBox*, Label*, Shape*, TextBox*, ImageControl*, LineControl*>;

    ControlRef(Target target) : target_(target) {}

    template <typename Visitor>
    decltype(auto) visit(Visitor&& visitor) const {
        return std::visit(std::forward<Visitor>(visitor), target_);
    }

    // The control's box, or null for a line.
    Control* control() const {
        return visit([](auto* c) -> Control* {
            if constexpr (std::is_base_of_v<Control, std::remove_pointer_t<decltype(c)>>)
                return c;
            else
                return nullptr;
        });
    }

    // The control as one kind, or null when it is another.
    template <typename Kind>
    Kind* as() const {
        Kind* const* found = std::get_if<Kind*>(&target_);
        return found ? *found : nullptr;
    }
    PictureBox* pictureBox() const { return as<PictureBox>(); }
    Label* label() const { return as<Label>(); }
    Shape* shape() const { return as<Shape>(); }
    TextBox* textBox() const { return as<TextBox>(); }
    ImageControl* imageControl() const { return as<ImageControl>(); }
    LineControl* lineControl() const { return as<LineControl>(); }

  private:
    Target target_;
};

template <typename Kind>
ControlRef ref(Kind& c) {
    return ControlRef(&c);
}

}  // namespace tk
