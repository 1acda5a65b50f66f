#include "desktop/sdl/wave_player.h"

#include "desktop/sdl/sdl_library.h"

#include <dlfcn.h>

#include <vector>

namespace tksdl {

std::future<std::unique_ptr<WavePlayer>> WavePlayer::openAside() {
    return std::async(std::launch::async, [] {
        auto player = std::make_unique<WavePlayer>();
        if (const Sdl* api = sdl())
            api->TLSCleanup();
        return player;
    });
}

namespace {

// ALSA's library writes its complaints about a missing card to stderr by default; a game
// without a sound device is meant to stay quiet. The library is the one SDL loads later, so the
// quiet handler set here is the one SDL's backend gets.
void quietAlsaErrors(const char*, int, const char*, int, const char*, ...) {}

void silenceAlsa() {
    static const bool done = [] {
        void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!alsa)
            return false;
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        using SetHandler = int (*)(Handler);
        auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
        if (set)
            set(quietAlsaErrors);
        return true;  // stays loaded for the run, so the handler stays in place
    }();
    (void)done;
}

}  // namespace

WavePlayer::WavePlayer(const OutputFormat& wanted) : sdl_(sdl()) {
    if (!sdl_)
        return;
    silenceAlsa();
    // The program has its own way to end on SIGTERM and Ctrl+C; SDL must not take them over.
    sdl_->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl_->InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    audioInitialised_ = true;

    SDL_AudioSpec want{};
    want.freq = wanted.rate;
    want.format = wanted.sampleFormat;
    want.channels = static_cast<Uint8>(wanted.channels);
    want.samples = 512;       // about 23 ms at 22.05 kHz: a stroke is heard with the hit
    want.callback = nullptr;  // clips are queued, not pulled
    SDL_AudioSpec have{};
    device_ =
        sdl_->OpenAudioDevice(nullptr, 0, &want, &have,
                              SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE |
                                  SDL_AUDIO_ALLOW_FORMAT_CHANGE);
    if (device_ == 0)
        return;
    have_ = {have.freq, have.format, have.channels};
    sdl_->PauseAudioDevice(device_, 0);
}

WavePlayer::~WavePlayer() {
    if (device_ != 0)
        sdl_->CloseAudioDevice(device_);
    if (audioInitialised_)
        sdl_->QuitSubSystem(SDL_INIT_AUDIO);
}

void WavePlayer::play(std::span<const std::uint8_t> waveImage) {
    if (device_ == 0 || waveImage.empty())
        return;
    SDL_RWops* rw = sdl_->RWFromConstMem(waveImage.data(), static_cast<int>(waveImage.size()));
    if (!rw)
        return;
    SDL_AudioSpec clip{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!sdl_->LoadWAV_RW(rw, 1, &clip, &samples, &length))
        return;

    // A one-shot conversion keeps the clip's exact length (a stream would drop its tail).
    SDL_AudioCVT cvt;
    const int built =
        sdl_->BuildAudioCVT(&cvt, clip.format, clip.channels, clip.freq, have_.sampleFormat,
                            static_cast<Uint8>(have_.channels), have_.rate);
    if (built < 0) {
        sdl_->FreeWAV(samples);
        return;
    }
    std::vector<Uint8> converted(static_cast<std::size_t>(length) *
                                 static_cast<std::size_t>(cvt.len_mult));
    std::copy(samples, samples + length, converted.begin());
    sdl_->FreeWAV(samples);
    cvt.buf = converted.data();
    cvt.len = static_cast<int>(length);
    if (built == 1 && sdl_->ConvertAudio(&cvt) != 0)
        return;
    const Uint32 playable = built == 1 ? static_cast<Uint32>(cvt.len_cvt) : length;

    // Clear first, then queue: the old clip stops where the device is and the new one follows.
    sdl_->ClearQueuedAudio(device_);
    sdl_->QueueAudio(device_, converted.data(), playable);
}

void WavePlayer::stop() {
    if (device_ != 0)
        sdl_->ClearQueuedAudio(device_);
}

std::uint32_t WavePlayer::queuedBytes() const {
    return device_ != 0 ? sdl_->GetQueuedAudioSize(device_) : 0;
}

}  // namespace tksdl
