#include "windows/gamepad.h"

#include "windows/win32.h"

#include <xinput.h>

namespace win {

namespace {
constexpr std::uint32_t kPollPluggedMs = 8;    // finer than a game tick
constexpr std::uint32_t kPollWaitingMs = 250;  // only to notice a controller being plugged in
}  // namespace

Gamepad::Gamepad(KeySink sink) : sink_(std::move(sink)) {
    for (const wchar_t* dll : {L"xinput1_4.dll", L"xinput9_1_0.dll"}) {
        if (HMODULE module = LoadLibraryW(dll)) {
            getState_ = reinterpret_cast<GetState>(
                reinterpret_cast<void*>(GetProcAddress(module, "XInputGetState")));
            if (getState_)
                break;
        }
    }
    keys_[0].key.named = running::Key::Named::Left;
    keys_[1].key.named = running::Key::Named::Right;
    keys_[2].key.symbol = 'P';
}

std::uint32_t Gamepad::pollEveryMs() const {
    return !getState_ ? INFINITE : anyConnected_ ? kPollPluggedMs : kPollWaitingMs;
}

void Gamepad::poll(std::uint32_t nowMs) {
    if (!getState_)
        return;
    bool wanted[3] = {};
    anyConnected_ = false;
    for (DWORD pad = 0; pad < XUSER_MAX_COUNT; ++pad) {
        XINPUT_STATE state{};
        if (getState_(pad, &state) != ERROR_SUCCESS) {
            stickLeft_[pad] = stickRight_[pad] = false;
            continue;
        }
        anyConnected_ = true;
        const XINPUT_GAMEPAD& g = state.Gamepad;
        // A dead zone with some slack, so that a stick resting near its edge does not flicker
        // between held and let go.
        const int x = g.sThumbLX;
        stickLeft_[pad] = x < -(stickLeft_[pad] ? kStickRelease : kStickPress);
        stickRight_[pad] = x > (stickRight_[pad] ? kStickRelease : kStickPress);
        wanted[0] |= (g.wButtons & XINPUT_GAMEPAD_DPAD_LEFT) || stickLeft_[pad];
        wanted[1] |= (g.wButtons & XINPUT_GAMEPAD_DPAD_RIGHT) || stickRight_[pad];
        wanted[2] |= (g.wButtons & (XINPUT_GAMEPAD_A | XINPUT_GAMEPAD_START)) != 0;
    }
    for (int i = 0; i < 3; ++i) {
        if (keys_[i].held && !wanted[i]) {
            keys_[i].held = false;
            keys_[i].key.repeat = false;
            sink_(keys_[i].key, false);
        }
    }
    for (int i = 0; i < 3; ++i) {
        Held& k = keys_[i];
        if (k.held || !wanted[i])
            continue;
        // As on a keyboard, only the key pressed last repeats; "P" never does.
        for (Held& other : keys_)
            other.repeats = false;
        k.held = true;
        k.repeats = i != 2;
        k.nextRepeat = nowMs + kRepeatDelayMs;
        k.key.repeat = false;
        sink_(k.key, true);
    }
    for (Held& k : keys_) {
        if (k.held && k.repeats && static_cast<std::int32_t>(nowMs - k.nextRepeat) >= 0) {
            k.nextRepeat = nowMs + kRepeatIntervalMs;
            k.key.repeat = true;
            sink_(k.key, true);
        }
    }
}

}  // namespace win
