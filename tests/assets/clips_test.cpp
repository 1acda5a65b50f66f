// The eight clips as SDL's wave loader, which the wave player uses, reads them: the format and
// length of each, the very bytes the recipes made when they were written, and a signal
// clean enough to play (headroom, no DC, silence at both ends).
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "assets/catalog.h"

namespace {

TEST(Clips, EveryClipLoadsWithItsFormatAndLengthAndPlaysCleanly) {
    struct Row {
        int id;
        std::size_t resourceBytes;
        int channels, rate;
        SDL_AudioFormat format;
        Uint32 dataBytes;
        std::uint32_t fingerprint;  // FNV-1a of the whole image, as the generator first made it
    } rows[] = {
        {1, 1928, 1, 22050, AUDIO_U8, 1869, 0xdd508aa7},
        {2, 2284, 1, 22050, AUDIO_U8, 2226, 0xfd7319b7},
        {3, 2124, 1, 22050, AUDIO_U8, 2063, 0x7ba5f5e0},
        {4, 4464, 1, 22050, AUDIO_U8, 4403, 0x33e0140d},
        {5, 792, 1, 22050, AUDIO_U8, 734, 0x7352750b},
        {6, 313116, 2, 22050, AUDIO_S16LSB, 313024, 0xb0524fe5},
        {7, 28076, 1, 8000, AUDIO_U8, 28015, 0x778cab7f},
        {8, 32136, 1, 11025, AUDIO_U8, 32078, 0x6b5b5cf5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        const auto wave = assets::clipWave(row.id);
        EXPECT_EQ(wave.size(), row.resourceBytes);
        // As the recipes made them when they were written, on every machine and every build.
        std::uint32_t fingerprint = 2166136261u;
        for (std::uint8_t b : wave)
            fingerprint = (fingerprint ^ b) * 16777619u;
        EXPECT_EQ(fingerprint, row.fingerprint);
        EXPECT_EQ(assets::clipWave(row.id).data(), wave.data()) << "made once, then kept";
        SDL_AudioSpec wav{};
        Uint8* buffer = nullptr;
        Uint32 length = 0;
        ASSERT_NE(SDL_LoadWAV_RW(SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size())), 1,
                                 &wav, &buffer, &length),
                  nullptr)
            << SDL_GetError();
        EXPECT_EQ(wav.channels, row.channels);
        EXPECT_EQ(wav.freq, row.rate);
        EXPECT_EQ(wav.format, row.format);
        EXPECT_EQ(length, row.dataBytes);

        std::vector<int> levels;  // signed, about silence
        double sum = 0;
        int peak = 0;
        for (Uint32 i = 0; i < length; i += wav.format == AUDIO_U8 ? 1 : 2) {
            levels.push_back(wav.format == AUDIO_U8
                                 ? buffer[i] - 128
                                 : static_cast<Sint16>(buffer[i] | buffer[i + 1] << 8));
            sum += levels.back();
            peak = std::max(peak, std::abs(levels.back()));
        }
        SDL_FreeWAV(buffer);
        const int fullScale = wav.format == AUDIO_U8 ? 127 : 32767;
        EXPECT_LT(peak, fullScale * 0.98) << "headroom left, nothing clipped";
        EXPECT_GT(peak, fullScale / 10) << "not silent";
        EXPECT_LT(std::abs(sum / levels.size()), fullScale * 0.01) << "no DC offset";
        EXPECT_LE(std::abs(levels.front()), std::max(2, fullScale / 60)) << "starts at silence";
        EXPECT_LE(std::abs(levels.back()), std::max(2, fullScale / 60)) << "ends at silence";
    }
    EXPECT_TRUE(assets::clipWave(0).empty() && assets::clipWave(9).empty());
}

}  // namespace
