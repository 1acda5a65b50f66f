// SDL2, loaded the first time the game opens the sound device or looks for controllers, not at
// the program's start. The library brings some thirty others with it (PulseAudio and the codecs
// it links, ALSA, Wayland, the X extensions); loaded with the program, they stood between exec
// and the first window. Where the library cannot be loaded the game is silent and has no
// controllers, as on a machine without a sound device.
#pragma once

#include <SDL.h>

namespace tksdl {

// The functions the wave player and the gamepad call, by their names without "SDL_".
// clang-format off
#define TKSDL_FUNCTIONS(F)                                                                       \
    F(SetHint) F(InitSubSystem) F(QuitSubSystem) F(TLSCleanup)                                   \
    F(OpenAudioDevice) F(PauseAudioDevice) F(CloseAudioDevice) F(RWFromConstMem) F(LoadWAV_RW)   \
    F(FreeWAV) F(BuildAudioCVT) F(ConvertAudio) F(ClearQueuedAudio) F(QueueAudio)                \
    F(GetQueuedAudioSize)                                                                        \
    F(PollEvent) F(GameControllerOpen) F(GameControllerClose) F(GameControllerGetJoystick)       \
    F(JoystickInstanceID)
// clang-format on

struct Sdl {
#define TKSDL_POINTER(name) decltype(&::SDL_##name) name = nullptr;
    TKSDL_FUNCTIONS(TKSDL_POINTER)
#undef TKSDL_POINTER
};

// The library's functions, every one found, or null. Loaded once, by whichever thread asks first
// (the sound device opens on a thread of its own); it stays loaded for the run.
const Sdl* sdl();

}  // namespace tksdl
