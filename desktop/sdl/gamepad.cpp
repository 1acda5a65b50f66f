#include "desktop/sdl/gamepad.h"

#include "desktop/sdl/sdl_library.h"

#include <algorithm>
#include <utility>

namespace tksdl {

Gamepad::Gamepad(KeySink sink) : keys_(std::move(sink)) {}

Gamepad::~Gamepad() {
    for (auto& [id, pad] : pads_)
        sdl_->GameControllerClose(static_cast<SDL_GameController*>(pad.controller));
    if (started_)
        sdl_->QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool Gamepad::start() {
    if (started_)
        return true;
    sdl_ = sdl();
    if (!sdl_)
        return false;
    sdl_->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    started_ = sdl_->InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    return started_;
}

void Gamepad::poll(std::uint32_t nowMs) {
    if (!started_)
        return;
    // Every event SDL queued is taken, so that the queue never fills with the joystick events
    // that stand behind the controller's.
    for (SDL_Event e; sdl_->PollEvent(&e);) {
        if (e.type == SDL_CONTROLLERDEVICEADDED) {
            SDL_GameController* c = sdl_->GameControllerOpen(e.cdevice.which);
            if (!c)
                continue;
            const SDL_JoystickID id = sdl_->JoystickInstanceID(sdl_->GameControllerGetJoystick(c));
            if (pads_.count(id))
                sdl_->GameControllerClose(c);  // announced twice; SDL counts the opens
            else
                pads_[id].controller = c;
        } else if (e.type == SDL_CONTROLLERDEVICEREMOVED) {
            if (auto pad = pads_.find(e.cdevice.which); pad != pads_.end()) {
                sdl_->GameControllerClose(static_cast<SDL_GameController*>(pad->second.controller));
                pads_.erase(pad);
            }
        } else if (e.type == SDL_CONTROLLERBUTTONDOWN || e.type == SDL_CONTROLLERBUTTONUP) {
            auto pad = pads_.find(e.cbutton.which);
            if (pad == pads_.end())
                continue;
            // The buttons the game reads: the d-pad's sides steer, A and Start are "P".
            static constexpr std::pair<SDL_GameControllerButton, bool Pad::*> kButtons[] = {
                {SDL_CONTROLLER_BUTTON_DPAD_LEFT, &Pad::dpadLeft},
                {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, &Pad::dpadRight},
                {SDL_CONTROLLER_BUTTON_A, &Pad::a},
                {SDL_CONTROLLER_BUTTON_START, &Pad::start}};
            for (const auto& [button, held] : kButtons) {
                if (e.cbutton.button == button)
                    pad->second.*held = e.type == SDL_CONTROLLERBUTTONDOWN;
            }
        } else if (e.type == SDL_CONTROLLERAXISMOTION &&
                   e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
            auto pad = pads_.find(e.caxis.which);
            if (pad == pads_.end())
                continue;
            pad->second.stick.move(e.caxis.value);
        }
    }
    const auto any = [this](auto held) {
        return std::any_of(pads_.begin(), pads_.end(),
                           [&](const auto& p) { return held(p.second); });
    };
    keys_.hold(any([](const Pad& p) { return p.dpadLeft || p.stick.left; }),
               any([](const Pad& p) { return p.dpadRight || p.stick.right; }),
               any([](const Pad& p) { return p.a || p.start; }), nowMs);
}

}  // namespace tksdl
