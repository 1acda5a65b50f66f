#include "engine/flow/state_report.h"

#include <cmath>
#include <cstdio>
#include <type_traits>

#include "engine/core/number_text.h"

namespace flow {

namespace {

// Shortest decimal that reads back as the same single.
std::string number(float value) {
    if (!std::isfinite(value))
        return "null";  // JSON has no NaN; never expected
    return tk::shortestText(value);
}

std::string number(double value) {
    if (!std::isfinite(value))
        return "null";
    return tk::shortestText(value);
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                    out += buffer;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::string boolean(bool b) {
    return b ? "true" : "false";
}

std::string json(const tk::Value& v) {
    switch (v.kind()) {
        case tk::Value::Kind::Empty:
            return "null";
        case tk::Value::Kind::Text:
            return quoted(v.text());
        case tk::Value::Kind::Single:
            return number(static_cast<float>(v.number()));
        case tk::Value::Kind::Whole:
        case tk::Value::Kind::Double:
            return number(v.number());
    }
    return "null";
}

std::string box(const tk::Control& c) {
    return "\"Left\":" + number(c.Left) + ",\"Top\":" + number(c.Top) +
           ",\"Width\":" + number(c.Width) + ",\"Height\":" + number(c.Height) +
           ",\"Visible\":" + boolean(c.Visible);
}

std::string sprite(const tk::PictureBox& p) {
    return "{" + box(p) + ",\"Picture\":" + quoted(p.picture().owner()) +
           ",\"BackColor\":" + std::to_string(p.BackColor) + "}";
}

template <typename T>
std::string list(const std::vector<T>& items, std::size_t from = 0) {
    std::string out = "[";
    for (std::size_t i = from; i < items.size(); ++i) {
        if (i > from)
            out += ",";
        if constexpr (std::is_same_v<T, std::string>) {
            out += quoted(items[i]);
        } else {
            out += std::to_string(items[i]);
        }
    }
    return out + "]";
}

}  // namespace

const StateVariable kStateVariables[9] = {{"windowEnlarged", &MainWindow::windowEnlarged},
                                          {"manKeyDir", &MainWindow::manKeyDir},
                                          {"ballStepY", &MainWindow::ballStepY},
                                          {"nextHitter", &MainWindow::nextHitter},
                                          {"ballDirX", &MainWindow::ballDirX},
                                          {"pcStep", &MainWindow::pcStep},
                                          {"ballStepX", &MainWindow::ballStepX},
                                          {"pcMoveDir", &MainWindow::pcMoveDir},
                                          {"ballDirY", &MainWindow::ballDirY}};

std::string stateReport(const MainWindow& f, const OutsideEffects& effects) {
    std::string s = "{";
    s += "\"man\":" + sprite(f.man);
    s += ",\"pc\":" + sprite(f.pc);
    s += ",\"ball\":{" + box(f.ball) + "}";
    for (const tk::Label* l :
         {&f.Label1, &f.Label2, &f.Label3, &f.Label4, &f.Label9, &f.Label11, &f.Label12}) {
        s += ",\"" + l->name + "\":" + quoted(l->Caption);
    }
    s += ",\"Label4Visible\":" + boolean(f.Label4.Visible);
    s += ",\"Text1\":" + quoted(f.Text1.Text);
    for (const StateVariable& variable : kStateVariables)
        s += ",\"" + std::string(variable.name) + "\":" + json(f.*variable.value);
    s += ",\"Timer1\":" + boolean(f.Timer1.Enabled);
    s += ",\"Timer2\":" + boolean(f.Timer2.Enabled);
    s += ",\"Timer4\":" + boolean(f.Timer4.Enabled);
    s += ",\"menuVisible\":" + boolean(f.menu(10).Visible);
    s += ",\"infoVisible\":" + boolean(f.info(15).Visible);
    s += ",\"infoEnabled\":" + boolean(f.info(15).Enabled);
    s += ",\"windowHeightAdded\":" + number(effects.heightAdded);
    s += ",\"clips\":" + list(effects.clips);
    s += ",\"sleeps\":" + list(effects.sleeps);
    s += ",\"msgbox\":" + list(effects.messages);
    s += "}";
    return s;
}

}  // namespace flow
