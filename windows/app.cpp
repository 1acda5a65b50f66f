#include "windows/app.h"

#include <mmsystem.h>

#include <algorithm>
#include <vector>

#include "assets/embedded_translations.h"
#include "engine/core/translation.h"
#include "windows/text.h"

namespace win {

void showLanguage(const std::string& chosen) {
    if (!chosen.empty())
        return tk::showLanguage(assets::translationFor(chosen));
    // Windows' display languages, most wanted first, as gettext's list of wishes.
    ULONG count = 0, size = 0;
    std::wstring wishes;
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) && size > 0) {
        wishes.resize(size);
        if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, wishes.data(), &size))
            wishes.clear();
        while (!wishes.empty() && wishes.back() == L'\0')
            wishes.pop_back();
        std::replace(wishes.begin(), wishes.end(), L'\0', L':');
    }
    tk::showLanguage(
        assets::translationFor(tk::pickLanguage(narrow(wishes), assets::translationCatalogues())));
}

App::App(HINSTANCE instance, running::Options options, SettingsFile& store)
    : instance_(instance), store_(store), gamepad_([this](const running::Key& key, bool down) {
          // Only the program in front gets the controller's keys, as it would a keyboard's.
          DWORD process = 0;
          GetWindowThreadProcessId(GetForegroundWindow(), &process);
          if (process == GetCurrentProcessId() || !down)
              act([&](running::Game& game) { down ? game.keyDown(key) : game.keyUp(key); });
      }) {
    options.now = &App::now;
    options.seed = static_cast<std::uint32_t>(now()) ^ GetCurrentProcessId();
    game_ = std::make_unique<running::Game>(*this, std::move(options));
    known_ = game_->settings();
    HDC screen = GetDC(nullptr);
    if (const int hz = GetDeviceCaps(screen, VREFRESH); hz >= 24 && hz <= 360)
        frameEvery_ = 1'000'000'000 / hz;
    ReleaseDC(nullptr, screen);
    // The clock's own resolution where Windows has it (10, 1803 on); else a plain timer on a
    // beat of a millisecond.
    timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                    TIMER_ALL_ACCESS);
    if (!timer_) {
        timeBeginPeriod(1);
        timer_ = CreateWaitableTimerW(nullptr, FALSE, nullptr);
    }
}

App::~App() {
    if (timer_)
        CloseHandle(timer_);
}

flow::Nanos App::now() {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    return static_cast<flow::Nanos>(c.QuadPart / frequency * 1'000'000'000LL +
                                    c.QuadPart % frequency * 1'000'000'000LL / frequency);
}

int App::run(const std::function<void(running::Game&)>& begin) {
    createMain(begin);
    std::uint32_t lastPoll = 0;
    for (MSG msg;;) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                game_->finishRecording();
                return 0;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        const std::optional<flow::Nanos> wake = game_->nextWake();
        const flow::Nanos at = now();
        if (wake && *wake <= at) {
            act([at](running::Game& game) { game.advance(at); });
            continue;
        }
        if (wake) {
            LARGE_INTEGER due;
            due.QuadPart = -std::max<LONGLONG>(1, (*wake - at + 99) / 100);  // 100 ns, from now
            SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE);
        }
        // The windows' pictures at most once a refresh of the screen, as the last event left them.
        if (frameDue_ && at - lastFrame_ >= frameEvery_) {
            frameDue_ = false;
            lastFrame_ = at;
            present(running::Window::Main);
            if (dialogOf_)
                present(*dialogOf_);
            continue;
        }
        const std::uint32_t ms = static_cast<std::uint32_t>(at / 1'000'000);
        const std::uint32_t every = gamepad_.pollEveryMs();
        DWORD timeout = every == INFINITE ? INFINITE : every - std::min(every, ms - lastPoll);
        if (frameDue_)
            timeout = std::min<DWORD>(timeout, (lastFrame_ + frameEvery_ - at) / 1'000'000 + 1);
        MsgWaitForMultipleObjectsEx(wake ? 1 : 0, &timer_, timeout, QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
        if (const std::uint32_t t = static_cast<std::uint32_t>(now() / 1'000'000);
            every != INFINITE && t - lastPoll >= every) {
            lastPoll = t;
            gamepad_.poll(t);
        }
    }
}

void App::act(const std::function<void(running::Game&)>& call) {
    call(*game_);
    if (settling_) {
        again_ = true;
        return;
    }
    settling_ = true;
    for (int round = 0; round < 8; ++round) {
        again_ = false;
        settleOnce();
        if (!again_)
            break;
    }
    settling_ = false;
}

void App::settleOnce() {
    Asked asked = std::exchange(asked_, {});
    if (closed_)
        return;
    if (asked.ended) {
        closed_ = true;
        DestroyWindow(main_.window);  // its windows go with it; the loop ends
        return;
    }
    if (asked.fullScreen)
        setFullScreen(*asked.fullScreen);
    if (asked.windows)
        mirror();
    // A message box, the menu bar and the settings menu each run a loop of their own: they
    // open once the game's call is over, from the window's queue.
    if (asked.message) {
        message_ = std::move(asked.message);
        PostMessageW(main_.window, kShowMessage, 0, 0);
    }
    if (asked.menuBar)
        PostMessageW(main_.window, WM_SYSCOMMAND, SC_KEYMENU, 0);
    if (asked.settingsMenu)
        PostMessageW(main_.window, kSettingsMenu, 0, 0);
    frameDue_ = true;
}

void App::showMessage(std::string_view title, std::string_view text) {
    asked_.message.emplace(std::string(title), std::string(text));
}

// Only what the player changed now is kept: a setting given on the command line for this run
// is not written back.
void App::settingsChanged(const running::Settings& s) {
    if (s.mute && !known_.mute)
        sound_.stop();
    if (s.language != known_.language)
        showLanguage(s.language);
    running::Settings saved = store_.load();
    const auto keep = [&](auto running::Settings::*field) {
        if (s.*field != known_.*field)
            saved.*field = s.*field;
    };
    keep(&running::Settings::zoom);
    keep(&running::Settings::fullScreen);
    keep(&running::Settings::autoPause);
    keep(&running::Settings::classicTiming);
    keep(&running::Settings::mute);
    keep(&running::Settings::language);
    store_.save(saved);
    known_ = s;
}

}  // namespace win
