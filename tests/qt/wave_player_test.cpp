// The wave player through SDL's disk driver, which writes what the device would play to a file.
#include <SDL.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "assets/catalog.h"
#include "toolkit/sdl/wave_player.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void putTag(Bytes& b, const char* tag) {
    for (const char* c = tag; *c; ++c)
        b.push_back(static_cast<std::uint8_t>(*c));
}
void put16(Bytes& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

// An 8-bit mono PCM wave image.
Bytes waveImage(int rate, const Bytes& samples) {
    Bytes b;
    putTag(b, "RIFF");
    put32(b, static_cast<std::uint32_t>(36 + samples.size()));
    putTag(b, "WAVEfmt ");
    put32(b, 16);
    put16(b, 1);
    put16(b, 1);
    put32(b, static_cast<std::uint32_t>(rate));
    put32(b, static_cast<std::uint32_t>(rate));
    put16(b, 1);
    put16(b, 8);
    putTag(b, "data");
    put32(b, static_cast<std::uint32_t>(samples.size()));
    for (std::uint8_t s : samples)
        b.push_back(s);
    return b;
}

// The samples of a wave image's data chunk.
Bytes dataOf(std::span<const std::uint8_t> wave) {
    for (std::size_t at = 12; at + 8 <= wave.size();) {
        std::uint32_t length;
        std::memcpy(&length, wave.data() + at + 4, 4);
        if (std::memcmp(wave.data() + at, "data", 4) == 0)
            return Bytes(wave.begin() + at + 8, wave.begin() + at + 8 + length);
        at += 8 + length + (length & 1);
    }
    return {};
}

// Samples that never repeat in a short stretch, within [low, low + 0x7E].
Bytes noise(std::size_t count, std::uint8_t low, std::uint32_t seed) {
    Bytes b(count);
    for (auto& s : b) {
        seed = seed * 1103515245u + 12345u;
        s = static_cast<std::uint8_t>(low + (seed >> 16) % 0x7F);
    }
    return b;
}

bool contains(const Bytes& haystack, const Bytes& needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) !=
           haystack.end();
}

class WavePlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        output = dir.filePath("played.raw").toStdString();
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILE");
    }

    // Waits until the device has taken every queued byte, closes it, and reads what it wrote.
    Bytes drainAndRead(std::unique_ptr<tksdl::WavePlayer> player) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (player->queuedBytes() > 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(player->queuedBytes(), 0u) << "the device played the queue out";
        std::this_thread::sleep_for(std::chrono::milliseconds(150));  // its last buffer
        player.reset();
        std::ifstream in(output, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    QTemporaryDir dir;
    std::string output;
};

constexpr tksdl::OutputFormat kClipFormat{22050, AUDIO_U8, 1};

TEST_F(WavePlayerTest, AClipsSamplesReachTheDevice) {
    auto player = std::make_unique<tksdl::WavePlayer>(kClipFormat);
    ASSERT_TRUE(player->hasDevice());
    ASSERT_EQ(player->deviceFormat().sampleFormat, AUDIO_U8);
    const auto clip = assets::clipWave(4);  // a stroke: 8-bit mono at 22050 Hz
    player->play(clip);
    const Bytes written = drainAndRead(std::move(player));
    const Bytes samples = dataOf(clip);
    ASSERT_GT(samples.size(), 1000u);
    EXPECT_TRUE(contains(written, samples)) << "every sample, in order";
}

TEST_F(WavePlayerTest, ANewClipCutsOffTheOnePlaying) {
    auto player = std::make_unique<tksdl::WavePlayer>(kClipFormat);
    ASSERT_TRUE(player->hasDevice());
    const Bytes longClip = noise(22050, 0x01, 7);   // one second, below the silence level
    const Bytes shortClip = noise(2205, 0x81, 11);  // a tenth, above it
    player->play(waveImage(22050, longClip));
    player->play(waveImage(22050, shortClip));
    const Bytes written = drainAndRead(std::move(player));
    EXPECT_TRUE(contains(written, shortClip)) << "the new clip plays whole";
    const auto ofLongClip =
        std::count_if(written.begin(), written.end(), [](std::uint8_t s) { return s < 0x80; });
    EXPECT_LT(ofLongClip, 11025) << "at most the start of the old clip was heard";
}

TEST_F(WavePlayerTest, ClipsAreConvertedToTheDevicesFormatAtTheirLength) {
    auto player = std::make_unique<tksdl::WavePlayer>(tksdl::OutputFormat{44100, AUDIO_S16LSB, 2});
    ASSERT_TRUE(player->hasDevice());
    const auto clip = assets::clipWave(5);  // the side-line bounce: 8-bit mono at 22050 Hz
    player->play(clip);
    const Bytes written = drainAndRead(std::move(player));
    const Bytes samples = dataOf(clip);
    const auto loud = [](std::uint8_t s) { return s != 0x80; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    ASSERT_LT(first, last);
    const long expectedFrames = 2 * (last - first);  // twice the rate

    std::vector<std::int16_t> frames(written.size() / 4);
    for (std::size_t i = 0; i < frames.size(); ++i)
        std::memcpy(&frames[i], written.data() + 4 * i, 2);  // the left channel
    const auto nonzero = [](std::int16_t s) { return s != 0; };
    const auto from = std::find_if(frames.begin(), frames.end(), nonzero);
    const auto to = std::find_if(frames.rbegin(), frames.rend(), nonzero).base();
    ASSERT_LT(from, to) << "the clip was heard";
    EXPECT_NEAR(static_cast<double>(to - from), static_cast<double>(expectedFrames), 8.0);
}

TEST(WavePlayerWithoutDevice, StaysSilent) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    {
        tksdl::WavePlayer player;
        EXPECT_FALSE(player.hasDevice());
        player.play(assets::clipWave(2));
        EXPECT_EQ(player.queuedBytes(), 0u);
    }
    unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
