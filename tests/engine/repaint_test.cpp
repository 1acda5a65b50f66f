// The frames the renderer keeps up to date by painting only what changed are, after every event
// of real sessions, the very frames a whole render of the scene gives, and the areas said to have
// changed hold every pixel that did: the driver's scripts, the intro's rally and a match with
// points as a front end takes their frames, the language changed under the match, and a ball that
// moved alone, whose areas are its two places and nothing more. (A picture changed in its place,
// as the about window's globe turns, is among the other frames.)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <span>
#include <sstream>
#include <string>

#include "assets/embedded_glyphs.h"
#include "assets/embedded_translations.h"
#include "engine/flow/session.h"
#include "engine/render/repainter.h"
#include "engine/running/running_game.h"
#include "engine/running/script_player.h"
#include "engine/screens/window_scenes.h"
#include "tests/engine/live_game.h"
#include "tools/trace/scripted_host.h"

namespace engine_test {
namespace {

using running::Window;

// Looks at each frame a front end gets: the pixels a whole render gives (unless the window
// stands still for a pause), and nothing changed since the last frame outside the areas said,
// which lie in the frame apart from each other (all of it for a new size).
struct Watch {
    tk::Renderer renderer{tk::GlyphFaces(assets::glyphFaces())};
    tk::Frame last;
    int frames = 0;
    std::string fault;  // the first

    void see(const tk::Frame& frame, std::span<const tk::Rect> areas, const tk::Frame* whole) {
        ++frames;
        if (fault.empty() && !(fault = faultOf(frame, areas, whole)).empty())
            ADD_FAILURE() << "frame " << frames << ": " << fault;
        last = frame;
    }

    std::string faultOf(const tk::Frame& frame, std::span<const tk::Rect> areas,
                        const tk::Frame* whole) const {
        const bool resized = frame.width != last.width || frame.height != last.height;
        if (resized && !(areas.size() == 1 && areas[0] == frame.bounds()))
            return "resized, not all of it new";
        for (std::size_t i = 0; i < areas.size(); ++i) {
            if (areas[i].empty() || !(areas[i].intersected(frame.bounds()) == areas[i]))
                return "an area empty or outside the frame";
            for (std::size_t j = 0; j < i; ++j)
                if (!areas[i].intersected(areas[j]).empty())
                    return "two areas overlap";
        }
        for (int y = 0; y < frame.height; ++y)
            for (int x = 0; x < frame.width; ++x) {
                const auto pixel = [&] { return std::to_string(x) + "," + std::to_string(y); };
                if (whole && frame.at(x, y) != whole->at(x, y))
                    return "pixel " + pixel() + " is not what a whole render gives";
                if (!resized && frame.at(x, y) != last.at(x, y) &&
                    std::none_of(areas.begin(), areas.end(),
                                 [&](const tk::Rect& r) { return r.contains(x, y); }))
                    return "pixel " + pixel() + " changed outside the areas";
            }
        return {};
    }

    std::span<const tk::Rect> repaint(tk::Repainter& repainter, const tk::Scene& scene,
                                      const tk::Rect& client) {
        const auto areas = repainter.repaint(renderer, scene, client.width, client.height);
        const tk::Frame whole = renderer.render(scene, client.width, client.height);
        see(repainter.frame(), areas, &whole);
        return areas;
    }

    void take(running::Game& game) {
        const running::Game::FrameUpdate update = game.takeFrame(Window::Main);
        const tk::Rect client = game.clientArea(Window::Main);
        const tk::Frame whole =
            renderer.render(screens::mainWindowScene(game.form()), client.width, client.height);
        see(update.frame, update.areas, game.held() ? nullptr : &whole);
        tk::Rect bounds;
        for (const tk::Rect& a : update.areas) {
            const int x = bounds.empty() ? a.x : std::min(bounds.x, a.x);
            const int y = bounds.empty() ? a.y : std::min(bounds.y, a.y);
            bounds = {x, y, std::max(bounds.right(), a.right()) - x,
                      std::max(bounds.bottom(), a.bottom()) - y};
        }
        EXPECT_TRUE(update.changed == bounds) << "the areas' bounds, frame " << frames;
    }
};

// The driver's script words played on a session of the main window, its frame repainted after
// each event, at the size the running game gives it.
struct Stage final : running::ScriptStage {
    explicit Stage(Watch& w) : watch(w) {}
    flow::MainWindow& form() override { return session.form; }
    void queueRnd(float value) override { session.host.queueRnd({value}); }
    std::string report() override { return {}; }
    void shot(const std::string&, const std::string&) override {}
    void afterEvent() override {
        const flow::MainWindow& f = session.form;
        const float inner =
            session.host.height - (trace::ScriptedHost::kStartHeight - game::kClientHeight);
        const bool menuBar = f.menu(10).Visible || f.info(15).Visible;
        watch.repaint(repainter, screens::mainWindowScene(session.form),
                      screens::mainWindowClient(inner, menuBar ? running::Game::kMenuBarPx : 0));
    }

    Watch& watch;
    flow::Session<trace::ScriptedHost> session;
    tk::Repainter repainter;
};

tk::Rect ballInFrame(const flow::MainWindow& form) {
    const tk::Rect court = tk::clientRect(form.Picture1);
    return tk::controlRect(form.ball).translated(court.x, court.y).intersected(court);
}

TEST(Repaint, EveryFrameIsAWholeRendersAndItsAreasHoldEveryChange) {
    struct Row {
        const char* name;
        std::function<void(Watch&)> play;
        int frames;  // at least
    };
    const Row rows[] = {
        {"the driver's scripts",
         [](Watch& watch) {
             for (const auto& entry : std::filesystem::directory_iterator(SMASHBOL_FIXTURES)) {
                 if (entry.path().extension() != ".trace")
                     continue;
                 std::stringstream text;
                 text << std::ifstream(entry.path()).rdbuf();
                 Stage stage(watch);
                 running::ScriptPlayer(stage).run(
                     text.str(), [](auto) {}, [](auto) {});
             }
         },
         200},
        {"the intro's rally, then a match played out, the arrows and the language changed in it",
         [](Watch& watch) {
             Live live;
             live.play("load; click");
             // The intro for ten seconds, then the match; a frame a sixtieth of a second, as a
             // screen refreshes; a message box closed at once.
             for (int i = 0; i < 1500; ++i) {
                 if (i == 600)
                     live.play("cmd easy; down p; up p");
                 if (i > 600 && i % 60 == 30 && !live.game.held())
                     live.play("point");
                 if (i > 600 && i % 40 == 5)
                     live.play("down left");
                 if (i > 600 && i % 40 == 25)
                     live.play("up left");
                 if (i == 1050)
                     tk::showLanguage(assets::translationFor("en"));
                 if (std::exchange(live.notes.log, "").find("message") != std::string::npos)
                     live.game.dismissMessage();
                 live.now += 1'000'000'000 / 60;
                 live.game.advance(live.now);
                 watch.take(live.game);
             }
             tk::showLanguage({});
             EXPECT_TRUE(live.game.matchDecided()) << "the points won, the match played out";
         },
         1500},
        {"only the ball moved",
         [](Watch& watch) {
             flow::Session<trace::ScriptedHost> session;
             flow::MainWindow& form = session.form;
             form.Form_Load();
             form.Picture4_Click();
             form.hard_Click();
             form.Timer1_Timer();
             ASSERT_TRUE(form.ball.Visible);
             const tk::Rect client = screens::mainWindowClient(game::kClientHeight, 0);
             tk::Repainter repainter;
             watch.repaint(repainter, screens::mainWindowScene(form), client);
             const tk::Rect from = ballInFrame(form);
             form.ball.Left += 4 * tk::kTwipsPerPixel;
             form.ball.Top -= 3 * tk::kTwipsPerPixel;
             const tk::Rect to = ballInFrame(form);
             const auto areas = watch.repaint(repainter, screens::mainWindowScene(form), client);
             const tk::Rect both{from.x, to.y, to.right() - from.x, from.bottom() - to.y};
             ASSERT_EQ(areas.size(), 1u);
             EXPECT_TRUE(areas[0] == both)
                 << "the ball's old place and new: " << areas[0].x << "," << areas[0].y << " "
                 << areas[0].width << "x" << areas[0].height;
             EXPECT_EQ(from.width, 9) << "the ball, whole in the court";
         },
         2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Watch watch;
        row.play(watch);
        EXPECT_GE(watch.frames, row.frames);
    }
}

}  // namespace
}  // namespace engine_test
