#include "engine/running/script_player.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "engine/flow/script_words.h"
#include "engine/flow/state_report.h"
#include "engine/running/script_text.h"

namespace running {

namespace {

using Form = flow::MainWindow;
using Words = std::vector<std::string>;

using flow::HandlerWord;
using flow::kClickWords;
using flow::kMenuWords;
using flow::kTickWords;
using flow::TickWord;

// A control's place and size, as `set` writes them.
const struct {
    const char* name;
    float tk::Control::*field;
} kPlaceFields[] = {{"Left", &tk::Control::Left},
                    {"Top", &tk::Control::Top},
                    {"Width", &tk::Control::Width},
                    {"Height", &tk::Control::Height}};

template <typename Entry, std::size_t N>
const Entry* find(const Entry (&table)[N], const std::string& name) {
    for (const Entry& entry : table) {
        if (name == entry.name)
            return &entry;
    }
    return nullptr;
}

void setControl(const std::vector<tk::ControlRef>& all, const tk::ControlRef& c,
                const std::string& name, const std::string& property, const Literal& v,
                const std::string& raw) {
    if (const auto* field = find(kPlaceFields, property)) {
        c.control()->*field->field = v.asFloat(name);
    } else if (property == "Visible") {
        c.control()->Visible = v.asBool(name);
    } else if (property == "Caption" && c.label()) {
        c.label()->Caption = v.asText();
    } else if (property == "Text" && c.textBox()) {
        c.textBox()->Text = v.asText();
    } else if (property == "BackColor" && c.pictureBox()) {
        const float color = v.asFloat(name);
        if (color < 0 || color > 0xFFFFFF)
            throw std::invalid_argument("a colour is 0 to 16777215: " + raw);
        c.pictureBox()->BackColor = static_cast<tk::Color>(color);
    } else if (property == "Picture" && c.pictureBox()) {
        // The picture of another picture box, by that box's name: `set man.Picture l1`.
        const std::string source = v.asText();
        for (const tk::ControlRef& from : all) {
            if (from.pictureBox() && from.control()->name == source) {
                c.pictureBox()->setPicture(from.pictureBox()->picture());
                return;
            }
        }
        throw std::invalid_argument("no picture box named " + source);
    } else {
        throw std::invalid_argument(c.control()->name + " has no property " + property + " to set");
    }
}

// `set NAME VALUE`: a variable of the match state, or a property of a timer, a menu item or a
// control ("Timer1.Enabled", "easy.Visible", "ball.Top", "Label9.Caption").
void set(Form& form, const std::string& name, const std::string& raw) {
    const Literal v = parseLiteral(raw);
    if (const auto* variable = find(flow::kStateVariables, name)) {
        form.*variable->value = v.value();
        return;
    }
    const auto dot = name.find('.');
    if (dot == std::string::npos)
        throw std::invalid_argument("no such variable: " + name);
    const std::string object = name.substr(0, dot);
    const std::string property = name.substr(dot + 1);

    for (const auto& entry : kTickWords) {
        tk::Timer& timer = form.*entry.timer;
        if (timer.name == object) {
            if (property != "Enabled")
                throw std::invalid_argument("a timer has only Enabled: " + name);
            timer.Enabled = v.asBool(name);
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
        if (c.control() && c.control()->name == object) {
            setControl(all, c, name, property, v, raw);
            return;
        }
    }
    throw std::invalid_argument("no such control: " + object);
}

// The commands of a script, each with the number of words that follow it (-1: it counts them
// itself).
struct Command {
    const char* name;
    int arguments;
    void (*run)(ScriptStage& t, const Words& w, const std::string& line, const ScriptSink& out);
};

void runHandler(const HandlerWord* handler, Form& form, const std::string& error) {
    if (!handler)
        throw std::invalid_argument(error);
    (form.*handler->handle)();
}

const Command kCommands[] = {
    {"load", 0,
     [](ScriptStage& t, const Words&, const std::string&, const ScriptSink&) {
         t.form().Form_Load();
     }},
    {"click", 1,
     [](ScriptStage& t, const Words& w, const std::string& line, const ScriptSink&) {
         runHandler(find(kClickWords, w[1]), t.form(), "click what? splash or label: " + line);
     }},
    {"menu", 1,
     [](ScriptStage& t, const Words& w, const std::string&, const ScriptSink&) {
         runHandler(find(kMenuWords, w[1]), t.form(), "no such menu command: " + w[1]);
     }},
    {"keydown", 1,
     [](ScriptStage& t, const Words& w, const std::string&, const ScriptSink&) {
         t.form().Form_KeyDown(keyCode(w[1]), 0);
     }},
    {"keyup", 1,
     [](ScriptStage& t, const Words& w, const std::string&, const ScriptSink&) {
         t.form().Form_KeyUp(keyCode(w[1]), 0);
     }},
    {"rnd", -1,
     [](ScriptStage& t, const Words& w, const std::string&, const ScriptSink&) {
         if (w.size() < 2)
             throw std::invalid_argument("'rnd' needs values");
         for (std::size_t i = 1; i < w.size(); ++i)
             t.queueRnd(parseLiteral(w[i]).asFloat("rnd"));
     }},
    {"set", -1,
     [](ScriptStage& t, const Words&, const std::string& line, const ScriptSink&) {
         // The value may be a quoted text with spaces: everything after the name.
         const auto nameStart = line.find_first_not_of(" \t", line.find("set") + 3);
         const auto nameEnd = line.find_first_of(" \t", nameStart);
         if (nameStart == std::string::npos || nameEnd == std::string::npos)
             throw std::invalid_argument("'set' needs a name and a value: " + line);
         const auto valueStart = line.find_first_not_of(" \t", nameEnd);
         const auto valueEnd = line.find_last_not_of(" \t");
         if (valueStart == std::string::npos)
             throw std::invalid_argument("'set' needs a value: " + line);
         set(t.form(), line.substr(nameStart, nameEnd - nameStart),
             line.substr(valueStart, valueEnd - valueStart + 1));
     }},
    {"shot", 2,
     [](ScriptStage& t, const Words& w, const std::string&, const ScriptSink&) {
         t.shot(w[1], w[2]);
     }},
    {"print", 0,
     [](ScriptStage& t, const Words&, const std::string&, const ScriptSink& out) {
         out(t.report() + "\n");
     }},
};

}  // namespace

int ScriptPlayer::run(std::string_view script, const ScriptSink& out, const ScriptSink& errors) {
    int bad = 0;
    int lineNumber = 0;
    for (std::size_t at = 0; at < script.size();) {
        const std::size_t end = std::min(script.find('\n', at), script.size());
        std::string line(script.substr(at, end - at));
        at = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        try {
            execute(line, out);
        } catch (const std::exception& e) {
            ++bad;
            errors("line " + std::to_string(lineNumber) + ": " + e.what() + "\n");
        }
    }
    return bad;
}

void ScriptPlayer::execute(const std::string& line, const ScriptSink& out) {
    const Words w = words(line);
    if (w.empty() || w[0][0] == '#')
        return;
    if (find(kTickWords, w[0])) {
        // "tick1 7": seven game ticks; "tick1 tick2 50": fifty rounds of a game tick and a step,
        // as two timers of one interval take turns. A tick runs only while its timer is on; the
        // count ends once no timer of the round is.
        std::vector<const TickWord*> round;
        std::size_t i = 0;
        for (; i < w.size(); ++i) {
            const auto* timer = find(kTickWords, w[i]);
            if (!timer)
                break;
            round.push_back(timer);
        }
        if (w.size() > i + 1)
            throw std::invalid_argument("ticks take at most one count, at the end: " + line);
        const long count = w.size() == i + 1 ? parseCount(w[i]) : 1;
        Form& form = stage_.form();
        for (long n = 0; n < count; ++n) {
            bool ran = false;
            for (const auto* timer : round) {
                if ((form.*timer->timer).Enabled) {
                    (form.*timer->tick)();
                    stage_.afterEvent();
                    ran = true;
                }
            }
            if (!ran)
                break;
        }
        return;
    }
    const Command* command = find(kCommands, w[0]);
    if (!command)
        throw std::invalid_argument("unknown command: " + line);
    if (command->arguments >= 0 && w.size() != static_cast<std::size_t>(command->arguments) + 1) {
        throw std::invalid_argument("'" + w[0] + "' takes " + std::to_string(command->arguments) +
                                    " argument(s): " + line);
    }
    command->run(stage_, w, line, out);
    stage_.afterEvent();
}

}  // namespace running
