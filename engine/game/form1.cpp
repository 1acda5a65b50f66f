// The main window as it opens: every control at its place, with its captions, colours and
// pictures. Nothing runs until Form_Load.
#include "engine/game/form1.h"

namespace game {

namespace {

using tk::place;

// A hidden holder of one animation frame: sized to its picture, with a 2-pixel 3-D border.
void frameHolder(tk::Host& host, tk::PictureBox& box, const char* name, float left, float top) {
    place(box, name, left, top, 0, 0, false);
    box.borderPx = 2;
    box.AutoSize = true;
    box.setPicture(host.picture(name));
}

// A score-bar label: transparent, MS Sans Serif 8.25 pt bold, sized to its text.
void scoreLabel(tk::Label& label, const char* name, float left, float width, const char* caption,
                tk::Color color, tk::Alignment alignment = tk::Alignment::Left) {
    place(label, name, left, 25, width, 195, false);
    label.Caption = caption;
    label.ForeColor = color;
    label.font = {"MS Sans Serif", 8.25f, true, false};
    label.alignment = alignment;
    label.AutoSize = true;
}

constexpr tk::Color kCyan = tk::RGB(0, 255, 255);
constexpr tk::Color kRed = tk::RGB(255, 0, 0);

}  // namespace

Form1::Form1(tk::Host& host, ClipCue& cue) : host_(host), cue_(cue) {
    backgroundPicture = host.picture("Form1");
    Icon = host.picture("Form1.Icon");

    place(Picture4, "Picture4", 360, 480, 3780, 3780, true);
    Picture4.borderPx = 1;
    Picture4.AutoSize = true;
    Picture4.setPicture(host.picture("Picture4"));

    place(Label5, "Label5", 240, 3240, 855, 375, true);
    Label5.Caption = "CLICK";
    Label5.ForeColor = tk::RGB(255, 192, 128);
    Label5.font = {"MS Sans Serif", 12.0f, true, false};

    place(Text1, "Text1", 2760, 1560, 735, 375, false);
    Text1.Text = "45";

    place(Picture1, "Picture1", 360, 360, 3855, 4095, true);
    Picture1.borderPx = 1;
    Picture1.BackColor = kCourtDesignOrange;
    Picture1.setPicture(host.picture("Picture1"));  // not self-sizing: its last column is cut off

    scoreLabel(Label8, "Label8", 1200, 720, "Na sety:", kCyan);
    scoreLabel(Label9, "Label9", 2040, 120, "0", kRed, tk::Alignment::Right);
    scoreLabel(Label10, "Label10", 2190, 75, ":", kRed);
    scoreLabel(Label11, "Label11", 2280, 120, "0", kRed);
    scoreLabel(Label7, "Label7", 2640, 375, "Hra:", kCyan);
    scoreLabel(Label2, "Label2", 3120, 120, "0", kRed, tk::Alignment::Right);
    scoreLabel(Label6, "Label6", 3270, 75, ":", kRed);
    scoreLabel(Label4, "Label4", 3360, 120, "0", kRed);

    const struct {
        tk::PictureBox Form1::*box;
        const char* name;
        float left, top;
    } holders[] = {{&Form1::Picture3, "Picture3", 1440, 2760},
                   {&Form1::Picture2, "Picture2", 1440, 1440},
                   {&Form1::r1, "r1", 240, 2280},
                   {&Form1::l1, "l1", 720, 2280},
                   {&Form1::r2, "r2", 240, 2760},
                   {&Form1::l2, "l2", 720, 2760},
                   {&Form1::n, "n", 1440, 2280},
                   {&Form1::pn, "pn", 1440, 960},
                   {&Form1::pl1, "pl1", 240, 720},
                   {&Form1::pr1, "pr1", 720, 720},
                   {&Form1::pl2, "pl2", 240, 1200},
                   {&Form1::pr2, "pr2", 720, 1200}};
    for (const auto& holder : holders)
        frameHolder(host, this->*holder.box, holder.name, holder.left, holder.top);

    place(man, "man", 1800, 3480, 300, 390, false);
    man.AutoSize = true;
    man.BackColor = kCourtDesignOrange;
    man.setPicture(host.picture("man"));
    place(pc, "pc", 1800, 240, 300, 405, false);
    pc.AutoSize = true;
    pc.BackColor = kCourtDesignOrange;
    pc.setPicture(host.picture("pc"));

    place(Label1, "Label1", 2760, 840, 615, 255, false);
    Label1.Caption = "Label1";
    place(Label3, "Label3", 2160, 840, 615, 255, false);
    Label3.Caption = "Label3";
    place(Label12, "Label12", 1815, 1320, 195, 555, true);
    Label12.font = {"MS Sans Serif", 24.0f, true, false};
    Label12.alignment = tk::Alignment::Center;
    Label12.AutoSize = true;

    place(ball, "ball", 1920, kComputerServeTop, 135, 135, false);
    ball.kind = tk::Shape::Kind::Circle;
    ball.filled = true;
    ball.FillColor = tk::RGB(128, 255, 128);
    ball.BorderColor = tk::kBlack;

    Timer1 = {"Timer1", false, 10};
    Timer2 = {"Timer2", false, 10};
    Timer4 = {"Timer4", false, 1};
}

std::vector<tk::ControlRef> Form1::windowControls() {
    return {tk::ref(Picture4), tk::ref(Text1),   tk::ref(Picture1), tk::ref(Label8),
            tk::ref(Label9),   tk::ref(Label10), tk::ref(Label11),  tk::ref(Label7),
            tk::ref(Label2),   tk::ref(Label6),  tk::ref(Label4)};
}

std::vector<tk::ControlRef> Form1::courtControls() {
    return {tk::ref(Picture3), tk::ref(Picture2), tk::ref(r1),  tk::ref(l1),  tk::ref(r2),
            tk::ref(l2),       tk::ref(n),        tk::ref(pn),  tk::ref(pl1), tk::ref(pr1),
            tk::ref(pl2),      tk::ref(pr2),      tk::ref(man), tk::ref(pc),  tk::ref(Label1),
            tk::ref(Label3),   tk::ref(Label12),  tk::ref(ball)};
}

std::vector<tk::ControlRef> Form1::splashControls() {
    return {tk::ref(Label5)};
}

}  // namespace game
