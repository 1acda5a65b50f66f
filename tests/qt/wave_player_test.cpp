// The wave player through SDL's disk driver, which writes what the device would play to a file.
#include <SDL.h>

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "assets/catalog.h"
#include "desktop/sdl/wave_player.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A stroke played over the 3.5 s set clip: the device writes in real time, and silence once its
// queue is empty, so the stroke's samples in order and not a second in all mean a cut.
TEST(WavePlayer, ANewClipCutsOffTheOnePlaying) {
    QTemporaryDir dir;
    const std::string output = dir.filePath("played.raw").toStdString();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    {
        tksdl::WavePlayer player({22050, AUDIO_U8, 1});  // the clips' own format
        EXPECT_TRUE(player.hasDevice());
        player.play(assets::clipWave(7));
        player.play(assets::clipWave(4));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (player.queuedBytes() > 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::this_thread::sleep_for(std::chrono::milliseconds(150));  // its last buffer
    }
    unsetenv("SDL_AUDIODRIVER");
    std::ifstream in(output, std::ios::binary);
    const Bytes written(std::istreambuf_iterator<char>(in), {});

    const auto wave = assets::clipWave(4);
    SDL_AudioSpec wav{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    SDL_LoadWAV_RW(SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size())), 1, &wav, &buffer,
                   &length);
    const Bytes samples(buffer, buffer + length);
    SDL_FreeWAV(buffer);
    EXPECT_NE(std::search(written.begin(), written.end(), samples.begin(), samples.end()),
              written.end())
        << "the new clip's samples reach the device, whole and in order";
    EXPECT_LT(written.size(), 22050u) << "less than a second: clip 7 was cut off";
}

// A clip in the device's format at its length; with no device, nothing queued and no error.
TEST(WavePlayer, ConvertsAClipToTheDevicesFormatOrStaysSilentWithoutOne) {
    for (const bool device : {true, false}) {
        SCOPED_TRACE(device ? "SDL's dummy driver" : "no driver");
        setenv("SDL_AUDIODRIVER", device ? "dummy" : "no-such-driver", 1);
        tksdl::WavePlayer player({44100, AUDIO_S16, 2});  // twice the rate, 16 bits, stereo
        EXPECT_EQ(player.hasDevice(), device);
        player.play(assets::clipWave(2));  // 2226 bytes of 8-bit mono
        EXPECT_NEAR(static_cast<double>(player.queuedBytes()), device ? 2226.0 * 2 * 2 * 2 : 0,
                    device ? 4096.0 : 0)
            << "as long as the clip, less what the device may have taken already";
        player.stop();
        EXPECT_EQ(player.queuedBytes(), 0u) << "stopped: nothing left to play";
    }
    unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
