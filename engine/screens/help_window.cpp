#include "engine/screens/help_window.h"

#include "engine/game/form_names.h"

namespace screens {

namespace {

const tk::Font kHelpFont{"MS Sans Serif", 8.25f, true, false};

void label(tk::Label& l, const char* name, float left, float top, float width, float height,
           const char* caption) {
    tk::place(l, name, left, top, width, height);
    l.Caption = caption;
    l.font = kHelpFont;
    l.WordWrap = true;
}

void image(tk::ImageControl& i, tk::Host& host, const char* name, float left, float top,
           float width, float height) {
    tk::place(i, name, left, top, width, height);
    i.picture = host.picture(std::string("Form3.") + name);
}

}  // namespace

Form3::Form3(tk::Host& host) : host_(host) {
    label(Label1, "Label1", 120, 120, 4335, 975,
          "Po spuštění programu a kliknutí na úvodní obrazovku, spatříte hrací plochu se dvěma "
          "hráči, kteří si pinkají (INTRO). Samotnou hru spustíte výběrem obtížnosti a stiskem "
          "klávesy \"P\" nebo kurzorové klávesy.");
    label(Label3, "Label3", 1080, 1250, 3255, 735,
          "Kdykoli během hry je možné použít pauzu stisknutím tlačítka \"P\" a stejným postupem "
          "hru i spustit.");
    Line2 = {"Line2", 120, 1200, 4440, 1200, tk::kBlack};
    Line1 = {"Line1", 120, 1920, 4440, 1920, tk::kBlack};
    image(Image2, host, "Image2", 240, 1320, 540, 465);
    label(Label2, "Label2", 2160, 2400, 2295, 795,
          "Hra se ovládá pouze kurzorovými klávesami, kde určujete směr pohybu vašeho hráče.");
    image(Image1, host, "Image1", 120, 2040, 1890, 1155);
    Shape1.name = "Shape1";
    Shape1.Width = kHelpWidth;
    Shape1.Height = kHelpHeight;
}

void Form3::close() {
    loaded_ = false;
    host_.Unload(game::kForm3);
}

std::vector<tk::ControlRef> Form3::controls() {
    return {tk::ref(Label1), tk::ref(Label3), tk::ref(Line2),  tk::ref(Line1),
            tk::ref(Image2), tk::ref(Label2), tk::ref(Image1), tk::ref(Shape1)};
}

}  // namespace screens
