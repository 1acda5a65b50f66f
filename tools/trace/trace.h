// The headless driver: reads a script of events, plays them into the main window's model on a
// scripted host, and prints the state as one JSON object a line. Used to replay a run without a
// window, and by the tests' fixtures.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "assets/embedded_glyphs.h"
#include "engine/screens/about_window.h"
#include "engine/screens/help_window.h"
#include "engine/render/renderer.h"

#include "engine/flow/session.h"
#include "engine/running/script_player.h"
#include "tools/trace/scripted_host.h"

namespace trace {

class Trace final : public running::ScriptStage {
  public:
    // The desktop's menu bar at zoom 1, which the main window's shots leave out once it shows.
    static constexpr int kMenuBarPx = 19;

    Trace();

    // Runs every line of the script, read to its end first; returns the number of lines that
    // could not be understood.
    int run(std::istream& script, std::ostream& out, std::ostream& errors);

    std::string stateJson();

    // The stage the script plays on.
    flow::MainWindow& form() override { return session.form; }
    void queueRnd(float value) override { session.host.rnd.push_back(value); }
    std::string report() override { return stateJson(); }
    void shot(const std::string& window, const std::string& file) override;

    // The client area of an open window ("Form1", "Form2", "Form3") as a player would see it.
    tk::Frame frameOf(const std::string& window);

    flow::Session<ScriptedHost> session;
    screens::Form2 about{session.host};  // lives for the whole run, as its globe does
    std::optional<screens::Form3> help;  // made anew at each opening
    tk::Renderer renderer{tk::GlyphFaces(assets::glyphFaces())};

  private:
    running::ScriptPlayer player_{*this};
};

}  // namespace trace
