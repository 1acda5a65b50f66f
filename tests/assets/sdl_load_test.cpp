// SDL's own wave loader, which the wave player uses, reads every clip with its format and
// all of its samples.
#include <SDL.h>
#include <gtest/gtest.h>

#include "assets/catalog.h"

namespace {

TEST(ClipsInSdl, EveryClipLoadsWithItsFormatAndLength) {
    struct Row {
        int id;
        int channels, rate;
        SDL_AudioFormat format;
        Uint32 bytes;
    };
    const Row rows[] = {
        {1, 1, 22050, AUDIO_U8, 1869}, {2, 1, 22050, AUDIO_U8, 2226},
        {3, 1, 22050, AUDIO_U8, 2063}, {4, 1, 22050, AUDIO_U8, 4403},
        {5, 1, 22050, AUDIO_U8, 734},  {6, 2, 22050, AUDIO_S16LSB, 313024},
        {7, 1, 8000, AUDIO_U8, 28015}, {8, 1, 11025, AUDIO_U8, 32078},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        const auto wave = assets::clipWave(row.id);
        SDL_RWops* rw = SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()));
        ASSERT_NE(rw, nullptr);
        SDL_AudioSpec audio{};
        Uint8* buffer = nullptr;
        Uint32 length = 0;
        ASSERT_NE(SDL_LoadWAV_RW(rw, 1, &audio, &buffer, &length), nullptr) << SDL_GetError();
        EXPECT_EQ(audio.channels, row.channels);
        EXPECT_EQ(audio.freq, row.rate);
        EXPECT_EQ(audio.format, row.format);
        EXPECT_EQ(length, row.bytes);
        SDL_FreeWAV(buffer);
    }
}

}  // namespace
