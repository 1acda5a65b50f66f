#include "tools/trace/trace.h"

#include "flow/state_report.h"

#include <charconv>
#include <cmath>
#include <istream>
#include <limits>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace trace {

namespace {

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> result;
    for (std::string w; in >> w;)
        result.push_back(w);
    return result;
}

// A value as a script writes it: "text", a bare number, true/false, or empty.
struct Literal {
    enum class Kind { Text, Whole, Single, Bool, Empty } kind;
    std::string text;
    double number = 0;
    bool flag = false;

    tk::Value value() const {
        switch (kind) {
            case Kind::Text:
                return tk::Value(text);
            case Kind::Whole:
                return tk::Value(static_cast<int>(number));
            case Kind::Single:
                return tk::Value(static_cast<float>(number));
            case Kind::Bool:
                return tk::Value(flag ? -1 : 0);
            case Kind::Empty:
                return {};
        }
        return {};
    }
    float asFloat(const std::string& name) const {
        if (kind != Kind::Whole && kind != Kind::Single)
            throw std::invalid_argument(name + " needs a number");
        return static_cast<float>(number);
    }
    bool asBool(const std::string& name) const {
        if (kind != Kind::Bool)
            throw std::invalid_argument(name + " needs true or false");
        return flag;
    }
    std::string asText() const {
        if (kind == Kind::Text)
            return text;
        if (kind == Kind::Empty)
            return "";
        return value().toText();
    }
};

Literal parseLiteral(const std::string& raw) {
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') {
        return {Literal::Kind::Text, raw.substr(1, raw.size() - 2)};
    }
    if (raw == "true" || raw == "false")
        return {Literal::Kind::Bool, "", 0, raw == "true"};
    if (raw == "empty")
        return {Literal::Kind::Empty, "", 0, false};
    const bool whole = raw.find_first_of(".eE") == std::string::npos;
    double value = 0;
    auto [ptr, ec] = std::from_chars(raw.data(), raw.data() + raw.size(), value);
    if (ec != std::errc() || ptr != raw.data() + raw.size() || !std::isfinite(value)) {
        throw std::invalid_argument("not a value: " + raw +
                                    " (use \"text\", a number, true, false or empty)");
    }
    if (whole && value >= -2147483648.0 && value <= 2147483647.0)
        return {Literal::Kind::Whole, "", value};
    return {Literal::Kind::Single, "", value};
}

long parseCount(const std::string& raw) {
    long count = 0;
    auto [ptr, ec] = std::from_chars(raw.data(), raw.data() + raw.size(), count);
    if (ec != std::errc() || ptr != raw.data() + raw.size() || count < 0) {
        throw std::invalid_argument("not a count: " + raw);
    }
    return count;
}

}  // namespace

Trace::Trace() = default;

int Trace::run(std::istream& script, std::ostream& out, std::ostream& errors) {
    int bad = 0;
    int lineNumber = 0;
    for (std::string line; std::getline(script, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        try {
            execute(line, out);
        } catch (const std::exception& e) {
            ++bad;
            errors << "line " << lineNumber << ": " << e.what() << "\n";
        }
    }
    out.flush();
    return bad;
}

void Trace::execute(const std::string& line, std::ostream& out) {
    const auto w = words(line);
    if (w.empty() || w[0][0] == '#')
        return;
    const std::string& verb = w[0];
    auto needs = [&](std::size_t n) {
        if (w.size() != n)
            throw std::invalid_argument("'" + verb + "' takes " + std::to_string(n - 1) +
                                        " argument(s): " + line);
    };

    if (verb == "load") {
        needs(1);
        form.Form_Load();
    } else if (verb == "click") {
        needs(2);
        if (w[1] == "splash") {
            form.Picture4_Click();
        } else if (w[1] == "label") {
            form.Label5_Click();
        } else {
            throw std::invalid_argument("click what? splash or label: " + line);
        }
    } else if (verb == "menu") {
        needs(2);
        const std::string& item = w[1];
        if (item == "easy")
            form.easy_Click();
        else if (item == "med")
            form.med_Click();
        else if (item == "hard")
            form.hard_Click();
        else if (item == "exit")
            form.exit_Click();
        else if (item == "hra")
            form.hra_Click();
        else if (item == "about")
            form.about_Click();
        else
            throw std::invalid_argument("no such menu command: " + item);
    } else if (verb == "keydown" || verb == "keyup") {
        needs(2);
        const long code = parseCount(w[1]);
        if (code > 65535)
            throw std::invalid_argument("key code out of range: " + w[1]);
        if (verb == "keydown")
            form.Form_KeyDown(static_cast<int>(code), 0);
        else
            form.Form_KeyUp(static_cast<int>(code), 0);
    } else if (verb == "tick1" || verb == "tick2" || verb == "tick4") {
        // "tick1 7": seven game ticks; "tick1 tick2 50": fifty rounds of a game tick and a step,
        // as two timers of one interval take turns. Each tick only while its timer is on.
        std::vector<void (flow::MainWindow::*)()> handlers;
        std::vector<const tk::Timer*> timers;
        std::size_t i = 0;
        for (; i < w.size() && (w[i] == "tick1" || w[i] == "tick2" || w[i] == "tick4"); ++i) {
            handlers.push_back(w[i] == "tick1"   ? &flow::MainWindow::Timer1_Timer
                               : w[i] == "tick2" ? &flow::MainWindow::Timer2_Timer
                                                 : &flow::MainWindow::Timer4_Timer);
            timers.push_back(w[i] == "tick1"   ? &form.Timer1
                             : w[i] == "tick2" ? &form.Timer2
                                               : &form.Timer4);
        }
        if (w.size() > i + 1)
            throw std::invalid_argument("ticks take at most one count, at the end: " + line);
        const long count = w.size() == i + 1 ? parseCount(w[i]) : 1;
        for (long round = 0; round < count; ++round) {
            bool ran = false;
            for (std::size_t t = 0; t < handlers.size(); ++t) {
                if (timers[t]->Enabled) {
                    (form.*handlers[t])();
                    ran = true;
                }
            }
            if (!ran)
                break;
        }
    } else if (verb == "rnd") {
        if (w.size() < 2)
            throw std::invalid_argument("'rnd' needs values");
        for (std::size_t i = 1; i < w.size(); ++i) {
            const Literal v = parseLiteral(w[i]);
            host.rnd.push_back(v.asFloat("rnd"));
        }
    } else if (verb == "set") {
        // The value may be a quoted text with spaces: everything after the name.
        const auto nameStart = line.find_first_not_of(" \t", line.find("set") + 3);
        const auto nameEnd = line.find_first_of(" \t", nameStart);
        if (nameStart == std::string::npos || nameEnd == std::string::npos) {
            throw std::invalid_argument("'set' needs a name and a value: " + line);
        }
        const auto valueStart = line.find_first_not_of(" \t", nameEnd);
        auto valueEnd = line.find_last_not_of(" \t");
        if (valueStart == std::string::npos)
            throw std::invalid_argument("'set' needs a value: " + line);
        set(line.substr(nameStart, nameEnd - nameStart),
            line.substr(valueStart, valueEnd - valueStart + 1));
    } else if (verb == "print") {
        needs(1);
        out << stateJson() << "\n";
    } else {
        throw std::invalid_argument("unknown command: " + line);
    }
}

void Trace::set(const std::string& name, const std::string& raw) {
    const Literal v = parseLiteral(raw);
    tk::Value* variables[] = {&form.windowEnlarged, &form.manKeyDir, &form.ballStepY,
                              &form.nextHitter,     &form.ballDirX,  &form.pcStep,
                              &form.ballStepX,      &form.pcMoveDir, &form.ballDirY};
    const char* variableNames[] = {"windowEnlarged", "manKeyDir", "ballStepY",
                                   "nextHitter",     "ballDirX",  "pcStep",
                                   "ballStepX",      "pcMoveDir", "ballDirY"};
    for (std::size_t i = 0; i < std::size(variables); ++i) {
        if (name == variableNames[i]) {
            *variables[i] = v.value();
            return;
        }
    }

    const auto dot = name.find('.');
    if (dot == std::string::npos)
        throw std::invalid_argument("no such variable: " + name);
    const std::string object = name.substr(0, dot);
    const std::string property = name.substr(dot + 1);

    for (tk::Timer* timer : {&form.Timer1, &form.Timer2, &form.Timer4}) {
        if (timer->name == object) {
            if (property != "Enabled")
                throw std::invalid_argument("a timer has only Enabled: " + name);
            timer->Enabled = v.asBool(name);
            return;
        }
    }
    tk::MenuItem* items[] = {&form.menu(10), &form.dif(10),  &form.easy, &form.med,  &form.hard,
                             &form.exit,     &form.info(15), &form.hra,  &form.about};
    for (tk::MenuItem* item : items) {
        if (item->name == object) {
            if (property == "Visible")
                item->Visible = v.asBool(name);
            else if (property == "Enabled")
                item->Enabled = v.asBool(name);
            else
                throw std::invalid_argument("a menu item has Visible and Enabled: " + name);
            return;
        }
    }

    std::vector<tk::ControlRef> all = form.windowControls();
    for (auto lists : {form.courtControls(), form.splashControls()})
        all.insert(all.end(), lists.begin(), lists.end());
    for (const tk::ControlRef& c : all) {
        if (!c.control || c.control->name != object)
            continue;
        if (property == "Left")
            c.control->Left = v.asFloat(name);
        else if (property == "Top")
            c.control->Top = v.asFloat(name);
        else if (property == "Width")
            c.control->Width = v.asFloat(name);
        else if (property == "Height")
            c.control->Height = v.asFloat(name);
        else if (property == "Visible")
            c.control->Visible = v.asBool(name);
        else if (property == "Caption" && c.label())
            c.label()->Caption = v.asText();
        else if (property == "Text" && c.textBox())
            c.textBox()->Text = v.asText();
        else if (property == "BackColor" && c.pictureBox()) {
            const float color = v.asFloat(name);
            if (color < 0 || color > 0xFFFFFF)
                throw std::invalid_argument("a colour is 0 to 16777215: " + raw);
            c.pictureBox()->BackColor = static_cast<tk::Color>(color);
        } else if (property == "Picture" && c.pictureBox()) {
            // The picture of another picture box, by that box's name: `set man.Picture l1`.
            const std::string source = v.asText();
            for (const tk::ControlRef& from : all) {
                if (from.pictureBox() && from.control->name == source) {
                    c.pictureBox()->setPicture(from.pictureBox()->picture());
                    return;
                }
            }
            throw std::invalid_argument("no picture box named " + source);
        } else {
            throw std::invalid_argument(object + " has no property " + property + " to set");
        }
        return;
    }
    throw std::invalid_argument("no such control: " + object);
}

std::string Trace::stateJson() {
    const std::string s = flow::stateReport(
        form, {host.clips, host.sleeps, host.messages,
               static_cast<double>(host.height - testing_support::FakeHost::kStartHeight)});
    host.clips.clear();
    host.sleeps.clear();
    host.messages.clear();
    return s;
}

}  // namespace trace
