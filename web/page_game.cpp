#include "web/page_game.h"

#include <emscripten.h>

#include <cstddef>
#include <stdexcept>
#include <type_traits>

#include "assets/embedded_glyphs.h"
#include "engine/flow/menu_tree.h"
#include "engine/flow/script_words.h"
#include "engine/flow/state_report.h"
#include "engine/screens/window_scenes.h"
#include "engine/core/translation.h"

namespace web {

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        } else if (static_cast<unsigned char>(c) < 0x20) {
            const char hex[] = "0123456789abcdef";
            out += std::string("\\u00") + hex[c >> 4] + hex[c & 15];
            continue;
        }
        out += c;
    }
    return out + "\"";
}

namespace {

// The desktop's menu bar at zoom 1: the page draws its own as high, so that the game's growth
// by 200 twips leaves the client area the desktop leaves.
constexpr int kMenuBarPx = 19;

flow::Nanos nanosOf(double ms) {
    return static_cast<flow::Nanos>(ms * 1e6);
}

flow::Nanos now() {
    return nanosOf(emscripten_get_now());
}

std::string menuJson(const std::vector<flow::MenuNode>& nodes) {
    std::string out = "[";
    for (const flow::MenuNode& node : nodes) {
        if (out.size() > 1)
            out += ",";
        const tk::MenuItem& item = *node.item;
        out += "{\"name\":" + quoted(item.name) + ",\"caption\":" + quoted(tk::tr(item.Caption)) +
               ",\"shortcut\":" + quoted(item.shortcut) +
               ",\"visible\":" + (item.Visible ? "true" : "false") +
               ",\"enabled\":" + (item.Enabled ? "true" : "false") +
               ",\"children\":" + menuJson(node.children) + "}";
    }
    return out + "]";
}

// A command of the tree by its item's name, if every item on the way to it can be chosen.
const flow::MenuNode* findCommand(const std::vector<flow::MenuNode>& nodes,
                                  const std::string& name) {
    for (const flow::MenuNode& node : nodes) {
        if (!node.item->Visible || !node.item->Enabled)
            continue;
        if (node.command && node.item->name == name)
            return &node;
        if (const flow::MenuNode* found = findCommand(node.children, name))
            return found;
    }
    return nullptr;
}

}  // namespace

PageGame::PageGame(bool muted, bool classicTiming, const std::string& recordingName)
    : host_(*this),
      session_(host_),
      about_(host_),
      renderer_(tk::GlyphFaces(assets::glyphFaces())),
      clock_(classicTiming ? flow::Clock::Timing::Classic : flow::Clock::Timing::Steady) {
    host_.setMuted(muted);
    session_.host.recordTo(memory_, recordingName);
    flow::MainWindow& f = session_.form;
    // Added in this order, the game tick goes first of two timers due at once. Each tick is an
    // event of the recording.
    const flow::Nanos t = now();
    const auto tick = [this](const flow::TickWord& word) {
        return
            [this, &word] { recorded(word.name, [this, &word] { (session_.form.*word.tick)(); }); };
    };
    timer1_ = clock_.add(f.Timer1, tick(flow::kTickWords[0]), t);
    timer2_ = clock_.add(f.Timer2, tick(flow::kTickWords[1]), t);
    timer4_ = clock_.add(f.Timer4, tick(flow::kTickWords[2]), t);
}

void PageGame::load() {
    recorded("load", [this] { session_.form.Form_Load(); });
    sync();
}

void PageGame::sync() {
    clock_.sync(now());
}

bool PageGame::advance(double nowMs) {
    if (scripted_ || ended_)
        return false;
    const std::string before = viewStamp();
    clock_.advance(nanosOf(nowMs));
    return viewStamp() != before;
}

std::string PageGame::viewStamp() {
    flow::MainWindow& f = session_.form;
    // Asked at every animation frame: the two top-level menus read directly, no menu tree built.
    const tk::MenuItem &gameMenu = f.menu(10), &infoMenu = f.info(15);
    return {f.matchRunning(), !f.Label12.Caption.empty(), ended_,           menuBarShown(),
            gameMenu.Visible, gameMenu.Enabled,           infoMenu.Visible, infoMenu.Enabled};
}

double PageGame::nextDueMs() const {
    const std::optional<flow::Nanos> due = clock_.nextDue();
    return due && !scripted_ ? static_cast<double>(*due) / 1e6 : -1.0;
}

void PageGame::key(bool down, int code, int shift) {
    if (ended_ || modal_)
        return;  // an open about or help window holds the keyboard
    flow::MainWindow& f = session_.form;
    if (down)
        recorded("keydown " + std::to_string(code), [&] { f.Form_KeyDown(code, shift); });
    else
        recorded("keyup " + std::to_string(code), [&] { f.Form_KeyUp(code, shift); });
    sync();
}

void PageGame::click(Window window, int x0, int y0, int x1, int y1) {
    if (ended_)
        return;
    if (window == Window::About && modal_ == Window::About) {
        about_.Form_Click();
    } else if (window == Window::Help && modal_ == Window::Help && help_) {
        help_->Form_Click();
    } else if (window == Window::Main && !modal_) {
        flow::MainWindow& f = session_.form;
        const tk::Scene scene = screens::mainWindowScene(f);
        const tk::Control* hit = renderer_.controlAt(scene, x1, y1);
        if (hit != renderer_.controlAt(scene, x0, y0))
            hit = nullptr;
        // The word "CLICK" lies on the splash and takes its own clicks.
        if (hit == &f.Label5)
            recorded("click label", [&f] { f.Label5_Click(); });
        else if (hit == &f.Picture4)
            recorded("click splash", [&f] { f.Picture4_Click(); });
    }
    sync();
}

bool PageGame::menu(const std::string& name) {
    if (ended_ || modal_)
        return false;
    flow::MainWindow& f = session_.form;
    const flow::MenuNode* node = findCommand(flow::menuTree(f), name);
    if (!node)
        return false;
    const auto command = node->command;
    recorded(flow::SessionRecorder::lineOf(command), [&f, command] { (f.*command)(); });
    sync();
    return true;
}

void PageGame::autoPause() {
    if (!ended_ && !modal_ && session_.form.matchRunning())
        key(true, game::kKeyP, 0);
}

bool PageGame::menuBarShown() const {
    const flow::MainWindow& f = session_.form;
    return f.menu(10).Visible || f.info(15).Visible;
}

tk::Rect PageGame::mainClient() const {
    return screens::mainWindowClient(const_cast<WebHost&>(host_).formHeight(),
                                     menuBarShown() ? kMenuBarPx : 0);
}

PageGame::Picture PageGame::picture(Window window) {
    tk::Frame frame;
    if (window == Window::About && modal_ == Window::About) {
        const tk::Rect client = screens::aboutClient();
        frame = renderer_.render(screens::aboutScene(about_), client.width, client.height);
    } else if (window == Window::Help && modal_ == Window::Help && help_) {
        const tk::Rect client = screens::helpClient();
        frame = renderer_.render(screens::helpScene(*help_), client.width, client.height);
    } else {
        const tk::Rect client = mainClient();
        frame =
            renderer_.render(screens::mainWindowScene(session_.form), client.width, client.height);
    }
    // 0xAARRGGBB to the bytes R, G, B, A.
    rgba_.resize(frame.pixels.size());
    for (std::size_t i = 0; i < frame.pixels.size(); ++i) {
        const tk::Pixel p = frame.pixels[i];
        rgba_[i] = (p & 0xFF00FF00u) | (p >> 16 & 0xFFu) | (p & 0xFFu) << 16;
    }
    return {reinterpret_cast<const std::uint8_t*>(rgba_.data()), frame.width, frame.height};
}

std::string PageGame::view() {
    const tk::Rect client = mainClient();
    const char* modal = !modal_ ? "" : modal_ == Window::About ? "Form2" : "Form3";
    const bool classic = clock_.timing() == flow::Clock::Timing::Classic;
    return "{\"title\":" + quoted(tk::tr(session_.form.Caption)) +
           ",\"menuBar\":" + (menuBarShown() ? "true" : "false") +
           ",\"menuBarPx\":" + std::to_string(kMenuBarPx) + ",\"grownHeight\":" +
           std::to_string(tk::pixels(game::kClientHeight + game::kWindowGrowth)) +
           ",\"width\":" + std::to_string(client.width) +
           ",\"height\":" + std::to_string(client.height) + ",\"modal\":\"" + modal +
           "\",\"ended\":" + (ended_ ? "true" : "false") +
           ",\"classicTiming\":" + (classic ? "true" : "false") +
           ",\"matchRunning\":" + (session_.form.matchRunning() ? "true" : "false") +
           ",\"decided\":" + (session_.form.Label12.Caption.empty() ? "false" : "true") +
           ",\"recording\":" + (session_.host.recording() || memory_.full ? "true" : "false") +
           ",\"menus\":" + menuJson(flow::menuTree(session_.form)) + "}";
}

std::string PageGame::tickCounts() {
    return "{\"Timer1\":" + std::to_string(clock_.takeTicks(timer1_)) +
           ",\"Timer2\":" + std::to_string(clock_.takeTicks(timer2_)) +
           ",\"Timer4\":" + std::to_string(clock_.takeTicks(timer4_)) + "}";
}

std::string PageGame::playScript(const std::string& text) {
    // A script sets what it likes and draws no random numbers: what follows is no session a
    // recording could replay.
    session_.host.stop();
    scripted_ = true;
    host_.playScripted();
    std::string out;
    const running::ScriptSink write = [&out](std::string_view s) { out += s; };
    player_.run(text, write, write);
    return out;
}

// What the game asked of the world since the last report (the window's growth since the start),
// as the driver's `print` says it, out of what the recorder notes.
std::string PageGame::report() {
    const flow::OutsideEffects& all = session_.host.effects();
    const auto since = [](const auto& list, std::size_t& reported) {
        const auto from = list.begin() + static_cast<std::ptrdiff_t>(reported);
        reported = list.size();
        return std::decay_t<decltype(list)>(from, list.end());
    };
    return flow::stateReport(
        session_.form, {since(all.clips, reported_.clips), since(all.sleeps, reported_.sleeps),
                        since(all.messages, reported_.messages), all.heightAdded});
}

void PageGame::shot(const std::string&, const std::string&) {
    throw std::invalid_argument("the page writes no files: its canvas shows the window");
}

void PageGame::showModal(std::string_view form) {
    if (form == game::kForm2) {
        about_.Load();
        aboutTimer_ = clock_.add(
            about_.Timer1, [this] { about_.Timer1_Timer(); }, now());
        modal_ = Window::About;
    } else if (form == game::kForm3) {
        help_.emplace(host_);
        modal_ = Window::Help;
    }
}

void PageGame::unload(std::string_view form) {
    if (form == game::kForm1) {
        // The main window's end ends the game: no timer runs, no input reaches it.
        ended_ = true;
        modal_.reset();
        for (const flow::Clock::Id id : {timer1_, timer2_, timer4_, aboutTimer_})
            clock_.remove(id);
        return;
    }
    if (form == game::kForm2 && modal_ == Window::About) {
        clock_.remove(aboutTimer_);
        aboutTimer_ = 0;
        modal_.reset();
    } else if (form == game::kForm3 && modal_ == Window::Help) {
        modal_.reset();
    }
}

bool PageGame::Memory::write(std::string_view more) {
    if (text.size() + more.size() > kLimit) {
        full = true;
        return false;
    }
    text += more;
    return true;
}

std::string PageGame::recording() {
    flow::SessionRecorder& recorder = session_.host;
    if (recorder.recording())
        recorder.catchUp();
    if (recorder.recording())
        return memory_.text + recorder.closing(session_.form);
    if (!memory_.full)
        return {};
    return memory_.text + "# the page stopped recording here: the script grew past " +
           std::to_string(Memory::kLimit >> 20) + " MB\n";
}

void PageGame::holdUp() {
    clock_.holdUp(now());
}

void PageGame::goOn() {
    clock_.goOn(now());
}

}  // namespace web
