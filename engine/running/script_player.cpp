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

using flow::kTickWords;

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

void runHandler(const flow::HandlerWord* handler, Form& form) {
    (form.*handler->handle)();
}

}  // namespace

int ScriptPlayer::run(std::string_view script, const ScriptSink& out, const ScriptSink& errors) {
    lines_ = LineReader();
    ticks_ = 0;
    bad_ = 0;
    feed(script, out, errors);
    return finish(out, errors);
}

void ScriptPlayer::feed(std::string_view piece, const ScriptSink& out, const ScriptSink& errors) {
    lines_.feed(piece, [&](const LineReader::Line& line) {
        play(line, out, errors);
        return true;
    });
}

int ScriptPlayer::finish(const ScriptSink& out, const ScriptSink& errors) {
    // A script typed by hand may end without an end of line; its last line plays all the same.
    if (const auto last = lines_.rest())
        play(*last, out, errors);
    const int bad = bad_;
    lines_ = LineReader();
    ticks_ = 0;
    bad_ = 0;
    return bad;
}

void ScriptPlayer::play(const LineReader::Line& line, const ScriptSink& out,
                        const ScriptSink& errors) {
    try {
        if (!line.fault.empty())
            throw std::invalid_argument(line.fault);
        execute(line.text, out);
    } catch (const std::exception& e) {
        ++bad_;
        errors("line " + std::to_string(line.number) + ": " + e.what() + "\n");
    }
}

void ScriptPlayer::execute(const std::string& text, const ScriptSink& out) {
    const ScriptLine line = readLine(text);
    if (kind_ == ScriptKind::Recording) {
        if (const std::string why = notInRecording(line); !why.empty())
            throw std::invalid_argument(why);
    }
    if (line.ticks() > kMaxTicks - ticks_) {
        throw std::invalid_argument("more ticks than a match can hold: the script's ticks pass " +
                                    std::to_string(kMaxTicks));
    }
    ticks_ += line.ticks();
    Form& form = stage_.form();
    using Verb = ScriptLine::Verb;
    switch (line.verb) {
        case Verb::Nothing:
            return;
        case Verb::Ticks:
            // A tick runs only while its timer is on; the count ends once no timer of the round
            // is.
            for (std::uint64_t n = 0; n < line.count; ++n) {
                bool ran = false;
                for (const auto* timer : line.round) {
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
        case Verb::Load:
            form.Form_Load();
            break;
        case Verb::Click:
        case Verb::Menu:
            runHandler(line.handler, form);
            break;
        case Verb::KeyDown:
            form.Form_KeyDown(line.key, 0);
            break;
        case Verb::KeyUp:
            form.Form_KeyUp(line.key, 0);
            break;
        case Verb::Rnd:
            for (const float value : line.rnd)
                stage_.queueRnd(value);
            break;
        case Verb::Set:
            set(form, line.name, line.value);
            break;
        case Verb::Shot:
            stage_.shot(line.name, line.value);
            break;
        case Verb::Print:
            out(stage_.report() + "\n");
            break;
    }
    stage_.afterEvent();
}

}  // namespace running
