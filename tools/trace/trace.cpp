#include "tools/trace/trace.h"

#include <istream>
#include <iterator>
#include <ostream>
#include <stdexcept>

#include "engine/flow/state_report.h"
#include "engine/screens/window_scenes.h"
#include "engine/render/png.h"

namespace trace {

Trace::Trace() {
    session.host.onShowModal = [this](std::string_view form) {
        if (form == game::kForm2)
            about.Load();
        else if (form == game::kForm3)
            help.emplace(session.host);
    };
}

int Trace::run(std::istream& script, std::ostream& out, std::ostream& errors) {
    const std::string text{std::istreambuf_iterator<char>(script), {}};
    const int bad = player_.run(
        text, [&out](std::string_view s) { out << s; },
        [&errors](std::string_view s) { errors << s; });
    out.flush();
    return bad;
}

tk::Frame Trace::frameOf(const std::string& window) {
    if (window == game::kForm1) {
        // The window's height below its title bar, as the game last set it, less the menu bar.
        const float inner =
            session.host.height - (ScriptedHost::kStartHeight - game::kClientHeight);
        const bool menuBar = session.form.menu(10).Visible || session.form.info(15).Visible;
        const tk::Rect client = screens::mainWindowClient(inner, menuBar ? kMenuBarPx : 0);
        return renderer.render(screens::mainWindowScene(session.form), client.width, client.height);
    }
    if (window == game::kForm2 && about.loaded()) {
        const tk::Rect client = screens::aboutClient();
        return renderer.render(screens::aboutScene(about), client.width, client.height);
    }
    if (window == game::kForm3 && help && help->loaded()) {
        const tk::Rect client = screens::helpClient();
        return renderer.render(screens::helpScene(*help), client.width, client.height);
    }
    throw std::invalid_argument("no window " + window + " is open to take a shot of");
}

void Trace::shot(const std::string& window, const std::string& file) {
    if (!tk::writePng(frameOf(window), file))
        throw std::invalid_argument("cannot write " + file);
}

std::string Trace::stateJson() {
    ScriptedHost& host = session.host;
    const std::string s = flow::stateReport(
        session.form, {host.clips, host.sleeps, host.messages,
                       static_cast<double>(host.height - ScriptedHost::kStartHeight)});
    host.clips.clear();
    host.sleeps.clear();
    host.messages.clear();
    return s;
}

}  // namespace trace
