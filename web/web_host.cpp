#include "web/web_host.h"

#include <emscripten.h>

#include "engine/game/form1.h"
#include "engine/core/translation.h"

namespace {

// The page's sound: a new clip cuts off the one playing (the page keeps the decoded clips).
EM_JS(void, page_play_wave, (const std::uint8_t* bytes, int size),
      { Module.smashbolPage.playWave(HEAPU8.subarray(bytes, bytes + size)); });

// The page's message box; the game waits for its OK.
EM_ASYNC_JS(void, page_message_box, (const char* title, const char* text),
            { await Module.smashbolPage.messageBox(UTF8ToString(title), UTF8ToString(text)); });

std::uint32_t clockSeed() {
    return static_cast<std::uint32_t>(emscripten_get_now() * 1000.0) ^
           static_cast<std::uint32_t>(emscripten_random() * 4294967295.0);
}

}  // namespace

namespace web {

WebHost::WebHost(Director& director) : director_(director), random_(clockSeed()) {}

tk::Picture WebHost::picture(std::string_view owner) {
    return embedded_.picture(owner);
}

tk::Resource WebHost::LoadResData(int id, std::string_view type) {
    return embedded_.LoadResData(id, type);
}

void WebHost::playWaveImage(std::span<const std::uint8_t> waveImage) {
    if (!muted_)
        page_play_wave(waveImage.data(), static_cast<int>(waveImage.size()));
}

void WebHost::MsgBox(std::string_view text) {
    director_.holdUp();
    page_message_box(std::string(tk::tr(game::kTitle)).c_str(), std::string(tk::tr(text)).c_str());
    director_.goOn();
}

void WebHost::Sleep(int milliseconds) {
    director_.holdUp();
    emscripten_sleep(static_cast<unsigned>(milliseconds));
    director_.goOn();
}

void WebHost::Randomize() {
    if (!scripted_)
        random_.seed(clockSeed());
}

float WebHost::Rnd() {
    if (scripted_) {
        if (rnd_.empty())
            return 0.0f;
        const float value = rnd_.front();
        rnd_.pop_front();
        return value;
    }
    // 24 random bits make every single in [0, 1) on a 2^-24 grid equally likely, and never 1.
    return static_cast<float>(random_() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace web
