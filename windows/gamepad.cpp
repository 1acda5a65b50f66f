#include "windows/gamepad.h"

#include "windows/win32.h"

#include <xinput.h>

namespace win {

namespace {
constexpr std::uint32_t kPollPluggedMs = 8;    // finer than a game tick
constexpr std::uint32_t kPollWaitingMs = 250;  // only to notice a controller being plugged in
}  // namespace

Gamepad::Gamepad(running::GamepadKeys::Sink sink) : keys_(std::move(sink)) {
    for (const wchar_t* dll : {L"xinput1_4.dll", L"xinput9_1_0.dll"}) {
        if (HMODULE module = LoadLibraryW(dll)) {
            getState_ = reinterpret_cast<GetState>(
                reinterpret_cast<void*>(GetProcAddress(module, "XInputGetState")));
            if (getState_)
                break;
        }
    }
}

std::uint32_t Gamepad::pollEveryMs() const {
    return !getState_ ? INFINITE : anyConnected_ ? kPollPluggedMs : kPollWaitingMs;
}

void Gamepad::poll(std::uint32_t nowMs) {
    if (!getState_)
        return;
    bool left = false, right = false, pause = false;
    anyConnected_ = false;
    for (DWORD pad = 0; pad < XUSER_MAX_COUNT; ++pad) {
        XINPUT_STATE state{};
        if (getState_(pad, &state) != ERROR_SUCCESS) {
            sticks_[pad] = {};
            continue;
        }
        anyConnected_ = true;
        const XINPUT_GAMEPAD& g = state.Gamepad;
        sticks_[pad].move(g.sThumbLX);
        left |= (g.wButtons & XINPUT_GAMEPAD_DPAD_LEFT) || sticks_[pad].left;
        right |= (g.wButtons & XINPUT_GAMEPAD_DPAD_RIGHT) || sticks_[pad].right;
        pause |= (g.wButtons & (XINPUT_GAMEPAD_A | XINPUT_GAMEPAD_START)) != 0;
    }
    keys_.hold(left, right, pause, nowMs);
}

}  // namespace win
