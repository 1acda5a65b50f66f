// The eight clips: complete wave images of the exact format, size and length of each, clean
// enough to play (no clipping, no DC, no click at either end), each with its sound's shape.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "assets/catalog.h"

namespace {

std::uint32_t read32(std::span<const std::uint8_t> b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

unsigned read16(std::span<const std::uint8_t> b, std::size_t at) {
    return b[at] | b[at + 1] << 8;
}

std::string tag(std::span<const std::uint8_t> b, std::size_t at) {
    return std::string(reinterpret_cast<const char*>(&b[at]), 4);
}

struct Chunk {
    std::string id;
    std::size_t body;  // offset of the chunk's body
    std::uint32_t size;
};

// Walks the chunks inside the RIFF container, as far as its declared length reaches.
std::vector<Chunk> chunks(std::span<const std::uint8_t> wave) {
    std::vector<Chunk> out;
    const std::size_t end = 8 + read32(wave, 4);
    std::size_t at = 12;
    while (at + 8 <= end && at + 8 <= wave.size()) {
        const Chunk c{tag(wave, at), at + 8, read32(wave, at + 4)};
        out.push_back(c);
        at = c.body + c.size + (c.size % 2);
    }
    return out;
}

std::optional<Chunk> find(const std::vector<Chunk>& all, const std::string& id) {
    for (const Chunk& c : all) {
        if (c.id == id) {
            return c;
        }
    }
    return std::nullopt;
}

struct ClipRow {
    const char* name;
    int id;
    int channels;
    int rate;
    int bits;
    std::uint32_t dataBytes;
    std::size_t resourceBytes;
    int milliseconds;
    int strayBytes;  // bytes past the RIFF container's declared end
};

const ClipRow kClips[] = {
    {"knock 1", 1, 1, 22050, 8, 1869, 1928, 85, 0},
    {"knock 2, the menu cue", 2, 1, 22050, 8, 2226, 2284, 101, 0},
    {"knock 3", 3, 1, 22050, 8, 2063, 2124, 94, 2},
    {"knock 4 with its echo", 4, 1, 22050, 8, 4403, 4464, 200, 2},
    {"side-line tick", 5, 1, 22050, 8, 734, 792, 33, 0},
    {"intro", 6, 2, 22050, 16, 313024, 313116, 3549, 0},
    {"set won", 7, 1, 8000, 8, 28015, 28076, 3502, 2},
    {"point won", 8, 1, 11025, 8, 32078, 32136, 2910, 0},
};

// The samples of a clip as signed levels about silence (mono, or left then right interleaved).
std::vector<int> levels(std::span<const std::uint8_t> wave, const Chunk& data, int bits) {
    std::vector<int> out;
    if (bits == 8) {
        for (std::size_t i = 0; i < data.size; ++i) {
            out.push_back(static_cast<int>(wave[data.body + i]) - 128);
        }
    } else {
        for (std::size_t i = 0; i + 1 < data.size; i += 2) {
            out.push_back(static_cast<std::int16_t>(read16(wave, data.body + i)));
        }
    }
    return out;
}

std::vector<int> clipLevels(int id) {
    const auto wave = assets::clipWave(id);
    const auto data = find(chunks(wave), "data");
    return data ? levels(wave, *data, id == 6 ? 16 : 8) : std::vector<int>{};
}

// Root mean square of the samples in [from, to) seconds of a mono clip at `rate`.
double rms(const std::vector<int>& s, int rate, double from, double to) {
    const auto a = static_cast<std::size_t>(from * rate);
    const auto b = std::min(s.size(), static_cast<std::size_t>(to * rate));
    double sum = 0.0;
    for (std::size_t i = a; i < b; ++i) {
        sum += static_cast<double>(s[i]) * s[i];
    }
    return b > a ? std::sqrt(sum / static_cast<double>(b - a)) : 0.0;
}

int peakIn(const std::vector<int>& s, int rate, double from, double to) {
    int peak = 0;
    const auto a = static_cast<std::size_t>(from * rate);
    const auto b = std::min(s.size(), static_cast<std::size_t>(to * rate));
    for (std::size_t i = a; i < b; ++i) {
        peak = std::max(peak, std::abs(s[i]));
    }
    return peak;
}

TEST(Clips, WaveImagesHaveTheFormatSizeAndLengthOfEachClip) {
    for (const ClipRow& row : kClips) {
        SCOPED_TRACE(row.name);
        const auto wave = assets::clipWave(row.id);
        ASSERT_EQ(wave.size(), row.resourceBytes);
        ASSERT_EQ(tag(wave, 0), "RIFF");
        EXPECT_EQ(tag(wave, 8), "WAVE");
        EXPECT_EQ(8 + read32(wave, 4) + row.strayBytes, wave.size())
            << "the RIFF length covers all but the stray bytes";

        const auto all = chunks(wave);
        const auto fmt = find(all, "fmt ");
        const auto data = find(all, "data");
        ASSERT_TRUE(fmt && data);
        EXPECT_EQ(read16(wave, fmt->body), 1u) << "PCM";
        EXPECT_EQ(read16(wave, fmt->body + 2), static_cast<unsigned>(row.channels));
        EXPECT_EQ(read32(wave, fmt->body + 4), static_cast<std::uint32_t>(row.rate));
        const unsigned block = static_cast<unsigned>(row.channels * row.bits / 8);
        EXPECT_EQ(read32(wave, fmt->body + 8), row.rate * block) << "byte rate";
        EXPECT_EQ(read16(wave, fmt->body + 12), block);
        EXPECT_EQ(read16(wave, fmt->body + 14), static_cast<unsigned>(row.bits));
        EXPECT_EQ(data->size, row.dataBytes);
        EXPECT_LE(data->body + data->size, wave.size());
        const double ms = 1000.0 * data->size / (row.rate * block);
        EXPECT_EQ(static_cast<int>(std::lround(ms)), row.milliseconds);

        if (row.id == 6) {
            EXPECT_EQ(fmt->size, 16u);
            EXPECT_FALSE(find(all, "fact"));
            const auto list = find(all, "LIST");
            ASSERT_TRUE(list) << "text metadata after the samples";
            EXPECT_EQ(list->size, 40u);
            EXPECT_GT(list->body, data->body);
            EXPECT_EQ(tag(wave, list->body), "INFO");
        } else {
            EXPECT_EQ(fmt->size, 18u);
            EXPECT_EQ(read16(wave, fmt->body + 16), 0u) << "no extra format bytes";
            const auto fact = find(all, "fact");
            ASSERT_TRUE(fact);
            EXPECT_LT(fact->body, data->body);
            EXPECT_EQ(read32(wave, fact->body), row.dataBytes / block) << "sample frames";
        }
    }
}

TEST(Clips, OnlyNumbersOneToEightExist) {
    EXPECT_TRUE(assets::clipWave(0).empty());
    EXPECT_TRUE(assets::clipWave(9).empty());
    EXPECT_TRUE(assets::clipWave(-1).empty());
}

TEST(Clips, CleanSignalWithoutClippingDcOrClicks) {
    for (const ClipRow& row : kClips) {
        SCOPED_TRACE(row.name);
        const std::vector<int> s = clipLevels(row.id);
        ASSERT_FALSE(s.empty());
        const int fullScale = row.bits == 8 ? 127 : 32767;
        int peak = 0;
        double sum = 0.0;
        for (int v : s) {
            peak = std::max(peak, std::abs(v));
            sum += v;
        }
        EXPECT_LT(peak, fullScale * 0.98) << "headroom left, nothing clipped";
        EXPECT_GT(peak, fullScale / 10) << "not silent";
        EXPECT_LT(std::abs(sum / static_cast<double>(s.size())), fullScale * 0.01) << "DC offset";
        const int edge = std::max(2, fullScale / 60);
        for (int c = 0; c < row.channels; ++c) {
            EXPECT_LE(std::abs(s[static_cast<std::size_t>(c)]), edge) << "starts at silence";
            EXPECT_LE(std::abs(s[s.size() - 1 - static_cast<std::size_t>(c)]), edge)
                << "ends at silence";
        }
    }
}

TEST(Clips, KnocksStrikeSharplyAndDieAway) {
    for (int id : {1, 2, 3, 4}) {
        SCOPED_TRACE(id);
        const std::vector<int> s = clipLevels(id);
        EXPECT_GT(peakIn(s, 22050, 0.0, 0.004), 90) << "the strike is loud at once";
        EXPECT_LT(rms(s, 22050, 0.05, 0.08), rms(s, 22050, 0.0, 0.01) / 8) << "and short";
    }
    // The fourth has a faint second knock near its end.
    const std::vector<int> four = clipLevels(4);
    const int echo = peakIn(four, 22050, 0.148, 0.175);
    EXPECT_GT(echo, 12);
    EXPECT_LT(echo, peakIn(four, 22050, 0.0, 0.01) / 2);
    EXPECT_LT(peakIn(four, 22050, 0.11, 0.145), echo / 3) << "quiet before the second knock";
}

TEST(Clips, TheFourKnocksSoundDifferent) {
    // Zero crossings in the first 40 ms track each knock's pitch.
    std::vector<int> crossings;
    for (int id : {1, 2, 3, 4}) {
        const std::vector<int> s = clipLevels(id);
        int n = 0;
        for (std::size_t i = 1; i < 882; ++i) {
            n += (s[i - 1] < 0) != (s[i] < 0) ? 1 : 0;
        }
        crossings.push_back(n);
    }
    for (std::size_t a = 0; a < crossings.size(); ++a) {
        for (std::size_t b = a + 1; b < crossings.size(); ++b) {
            EXPECT_NE(crossings[a], crossings[b]) << "knocks " << a + 1 << " and " << b + 1;
        }
    }
}

TEST(Clips, TheSideLineTickIsShortAndQuiet) {
    const std::vector<int> tick = clipLevels(5);
    EXPECT_LT(peakIn(tick, 22050, 0.0, 1.0), 40);
    EXPECT_LT(peakIn(tick, 22050, 0.0, 1.0), peakIn(clipLevels(1), 22050, 0.0, 1.0) / 3);
}

TEST(Clips, LongClipsSwellHoldAndFade) {
    // The intro, left channel: swells for two seconds and fades out.
    const std::vector<int> intro = clipLevels(6);
    std::vector<int> left;
    for (std::size_t i = 0; i < intro.size(); i += 2) {
        left.push_back(intro[i]);
    }
    EXPECT_LT(rms(left, 22050, 0.3, 0.6), rms(left, 22050, 1.1, 1.4));
    EXPECT_LT(rms(left, 22050, 1.1, 1.4), rms(left, 22050, 1.8, 2.2));
    EXPECT_LT(rms(left, 22050, 3.2, 3.5), rms(left, 22050, 1.8, 2.2) / 4);

    struct Held {
        const char* name;
        int id, rate;
        double heldFrom, heldTo, length;
    };
    for (const Held& h : {Held{"set won", 7, 8000, 0.6, 2.4, 3.502},
                          Held{"point won", 8, 11025, 0.3, 1.6, 2.910}}) {
        SCOPED_TRACE(h.name);
        const std::vector<int> s = clipLevels(h.id);
        const double early = rms(s, h.rate, h.heldFrom, h.heldFrom + 0.3);
        const double late = rms(s, h.rate, h.heldTo - 0.3, h.heldTo);
        EXPECT_GT(late, early * 0.6) << "held";
        EXPECT_LT(rms(s, h.rate, h.length - 0.25, h.length), late / 3) << "fading at the end";
    }
    EXPECT_GT(rms(clipLevels(7), 8000, 1.0, 2.0), rms(clipLevels(8), 11025, 0.5, 1.5))
        << "a set sounds louder than a point";
}

}  // namespace
