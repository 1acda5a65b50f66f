#include "engine/screens/about_window.h"

#include <string>

#include "engine/game/form_names.h"

namespace screens {

namespace {

const tk::Font kTitleFont{"MS Sans Serif", 17.25f, false, true};
const tk::Font kTextFont{"MS Sans Serif", 8.25f, false, false};

void label(tk::Label& l, const char* name, float left, float top, float width, float height,
           std::string caption) {
    l = tk::Label{};
    tk::place(l, name, left, top, width, height);
    l.Caption = std::move(caption);
    l.font = kTextFont;
}

void line(tk::LineControl& l, const char* name, float x1, float y1, float x2, float y2) {
    l = tk::LineControl{name, x1, y1, x2, y2, tk::kBlack};
}

std::string rulesText() {
    return "Smashbol 2002 je napsán v C++ s Qt a SDL, nekomprimován. "
           "Hráč musí nastřílet o dva body více než jeho soupeř, aby vyhrál set. "
           "První kdo vyhrává dva sety, ten se stane vítězem. "
           "Komentáře zasílejte na výše uvedenou adresu. " +
           std::string(23, ' ') + "-= Smashbol tým =-";
}

}  // namespace

void Form2::Load() {
    Timer1 = {"Timer1", false, 20};

    Picture2 = tk::PictureBox{};
    tk::place(Picture2, "Picture2", 240, 240, 495, 495);
    Picture2.AutoSize = true;
    Picture2.BackColor = tk::kWhite;  // empty until the first tick

    for (int i = 0; i < 8; ++i) {
        tk::PictureBox& frame = Picture1[i];
        frame = tk::PictureBox{};
        frame.name = "Picture1(" + std::to_string(i) + ")";
        frame.Width = frame.Height = 480;
        frame.Visible = false;
        frame.AutoSize = true;
        frame.setPicture(host_.picture("Form2.Picture1(" + std::to_string(i) + ")"));
    }

    label(Label1, "Label1", 1080, 240, 3135, 495, "Smashbol 2002");
    Label1.font = kTitleFont;
    label(Label2, "Label2", 240, 840, 855, 255, "Autor:");
    label(Label5, "Label5", 960, 840, 3255, 255, "Smashbol tým, 2002");
    label(Label3, "Label3", 240, 1200, 855, 255, "www:");
    label(Label6, "Label6", 960, 1200, 3255, 255, "www.example.org/smashbol");
    label(Label4, "Label4", 240, 1560, 855, 255, "email:");
    label(Label7, "Label7", 960, 1560, 3255, 255, "smashbol@example.com   hra@example.net");
    label(Label8, "Label8", 120, 2040, 4335, 975, rulesText());
    Label8.transparent = false;
    Label8.BackColor = tk::kBlack;
    Label8.ForeColor = tk::kWhite;
    Label8.WordWrap = true;

    line(Line1, "Line1", 4200, 720, 960, 720);
    line(Line6, "Line6", 120, 1920, 4440, 1920);
    line(Line3, "Line3", 0, 0, 4560, 0);
    line(Line2, "Line2", 4560, 3120, 4560, 0);
    line(Line4, "Line4", 0, 3120, 4560, 3120);
    line(Line5, "Line5", 0, 3120, 0, 0);

    loaded_ = true;
    Form_Load();
    Timer1.Enabled = true;
}

void Form2::Form_Load() {
    Icon = host_.picture("Form1.Icon");
}

void Form2::Timer1_Timer() {
    Picture2.setPicture(Picture1.at(static_cast<std::size_t>(globeFrame)).picture());
    globeFrame = static_cast<std::int16_t>(globeFrame + 1);
    if (globeFrame > 7)
        globeFrame = 0;
}

void Form2::close() {
    Timer1.Enabled = false;
    loaded_ = false;
    host_.Unload(game::kForm2);
}

std::vector<tk::ControlRef> Form2::controls() {
    return {tk::ref(Picture2), tk::ref(Label1), tk::ref(Line1),  tk::ref(Label2), tk::ref(Label5),
            tk::ref(Label3),   tk::ref(Label6), tk::ref(Label4), tk::ref(Label7), tk::ref(Line6),
            tk::ref(Label8),   tk::ref(Line3),  tk::ref(Line2),  tk::ref(Line4),  tk::ref(Line5)};
}

}  // namespace screens
