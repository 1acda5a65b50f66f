// Recipes for the game's sounds. Every clip is built in floating point at its own rate, cleaned
// (no DC, short fades so nothing clicks), scaled to its loudness and only then quantised.
#include "assets/gen/clip_recipes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

#include "assets/gen/dice.h"

namespace assetgen {

namespace {

constexpr double kTau = 2.0 * std::numbers::pi;

using Signal = std::vector<double>;

// A first-order low-pass filter; high-pass is the input minus the low-passed part.
class OnePole {
  public:
    OnePole(double cutoffHz, double rate) : k_(1.0 - std::exp(-kTau * cutoffHz / rate)) {}
    double lowPass(double x) { return state_ += k_ * (x - state_); }
    double highPass(double x) { return x - lowPass(x); }

  private:
    double k_;
    double state_ = 0.0;
};

// Zero mean, then raised-cosine fades at both ends, then scaled so the loudest sample reaches
// `peak` of full scale.
void finish(Signal& s, int fadeIn, int fadeOut, double peak) {
    double mean = 0.0;
    for (double v : s) {
        mean += v;
    }
    mean /= static_cast<double>(s.size());
    for (double& v : s) {
        v -= mean;
    }
    const int n = static_cast<int>(s.size());
    for (int i = 0; i < fadeIn && i < n; ++i) {
        s[static_cast<std::size_t>(i)] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / fadeIn);
    }
    for (int i = 0; i < fadeOut && i < n; ++i) {
        s[static_cast<std::size_t>(n - 1 - i)] *=
            0.5 - 0.5 * std::cos(std::numbers::pi * i / fadeOut);
    }
    double loudest = 0.0;
    for (double v : s) {
        loudest = std::max(loudest, std::abs(v));
    }
    if (loudest > 0.0) {
        for (double& v : s) {
            v *= peak / loudest;
        }
    }
}

// ---- knocks: a ball meeting a strung racket -------------------------------------------------

struct Knock {
    double at;      // seconds from the clip's start
    double level;   // relative loudness
    double bodyHz;  // the ball's hollow "pock"
    double bodyDecay;
    double ringHz;  // the strings' brighter ring
    double ringDecay;
    double noise;  // strength of the contact crack
};

void addKnock(Signal& s, double rate, const Knock& k, Dice& dice) {
    OnePole crackFilter(3500.0, rate);
    const int start = static_cast<int>(std::lround(k.at * rate));
    for (int i = start; i < static_cast<int>(s.size()); ++i) {
        const double t = (i - start) / rate;
        // The pitch sags a little as the ball leaves the strings.
        const double bend = 1.0 + 0.18 * std::exp(-t / 0.004);
        const double body = std::sin(kTau * k.bodyHz * bend * t) * std::exp(-t / k.bodyDecay);
        const double ring = 0.45 * std::sin(kTau * k.ringHz * t + 0.7) * std::exp(-t / k.ringDecay);
        const double hiss = dice.unit() * 2.0 - 1.0;
        const double crack = k.noise * crackFilter.highPass(hiss) * std::exp(-t / 0.0015);
        s[static_cast<std::size_t>(i)] += k.level * (body + ring + crack);
    }
}

Signal knockClip(int samples, double rate, std::initializer_list<Knock> knocks,
                 std::uint32_t seed) {
    Signal s(static_cast<std::size_t>(samples), 0.0);
    Dice dice(seed);
    for (const Knock& k : knocks) {
        addKnock(s, rate, k, dice);
    }
    finish(s, 4, 48, 0.86);
    return s;
}

// ---- the side-line tick ---------------------------------------------------------------------

Signal tickClip(int samples, double rate) {
    Signal s(static_cast<std::size_t>(samples), 0.0);
    Dice dice(505);
    OnePole filter(2500.0, rate);
    for (int i = 0; i < samples; ++i) {
        const double t = i / rate;
        const double tone = std::sin(kTau * 1900.0 * t) + 0.5 * std::sin(kTau * 3100.0 * t);
        const double grit = filter.highPass(dice.unit() * 2.0 - 1.0);
        s[static_cast<std::size_t>(i)] = (tone + 0.8 * grit) * std::exp(-t / 0.0035);
    }
    finish(s, 3, 40, 0.16);  // quiet: a ball brushing the line, not a stroke
    return s;
}

// ---- the intro: a chord swelling for two seconds, then dying away ---------------------------

double swellEnvelope(double t, double length) {
    constexpr double kTop = 2.0;
    if (t < kTop) {
        const double x = t / kTop;
        return x * x * (3.0 - 2.0 * x);
    }
    const double x = (t - kTop) / (length - kTop);
    return std::pow(1.0 - std::min(x, 1.0), 1.6);
}

std::pair<Signal, Signal> introClip(int frames, double rate) {
    // A bright A major chord with an added ninth, each voice a few soft harmonics; the two
    // channels are detuned a hair apart so the chord spreads across the stereo field.
    static constexpr double kVoices[] = {110.0, 164.81, 220.0, 277.18, 329.63, 493.88, 659.26};
    Signal left(static_cast<std::size_t>(frames)), right(static_cast<std::size_t>(frames));
    Dice dice(606);
    OnePole airLeft(600.0, rate), airRight(600.0, rate);
    const double length = frames / rate;
    for (int i = 0; i < frames; ++i) {
        const double t = i / rate;
        double l = 0.0, r = 0.0;
        for (std::size_t v = 0; v < std::size(kVoices); ++v) {
            const double f = kVoices[v];
            // A slow shimmer, as a small swing of phase (a swing of frequency would drift).
            const double wobble = 0.25 * std::sin(kTau * (4.5 + 0.3 * v) * t);
            for (int h = 1; h <= 4; ++h) {
                const double a = 1.0 / (h * h) / (1.0 + 0.25 * v);
                l += a * std::sin(kTau * f * h * t * 0.9985 + v + h * wobble);
                r += a * std::sin(kTau * f * h * t * 1.0015 + 2.0 * v + h * wobble);
            }
        }
        // A rising rush of air under the chord.
        const double rush = 0.35 * std::min(t / 2.0, 1.0);
        l += rush * airLeft.lowPass(dice.unit() * 2.0 - 1.0) * 4.0;
        r += rush * airRight.lowPass(dice.unit() * 2.0 - 1.0) * 4.0;
        const double e = swellEnvelope(t, length);
        left[static_cast<std::size_t>(i)] = l * e;
        right[static_cast<std::size_t>(i)] = r * e;
    }
    finish(left, 64, 256, 0.78);
    finish(right, 64, 256, 0.78);
    return {left, right};
}

// ---- a set won: a held brass fanfare --------------------------------------------------------

// A note with falling harmonics; `vibrato` swings its phase.
double brass(double f, double t, double rate, double vibrato) {
    double v = 0.0;
    for (int h = 1; h <= 8; ++h) {
        if (f * h >= rate / 2.0 * 0.9) {
            break;  // keep every harmonic under the clip's Nyquist limit
        }
        v += std::sin(kTau * f * h * t + h * vibrato) / h;
    }
    return v;
}

Signal setClip(int samples, double rate) {
    struct Note {
        double from, to, hz;
    };
    // Three quick pick-up notes, then the chord held to the end.
    static constexpr Note kNotes[] = {
        {0.00, 0.16, 392.00}, {0.16, 0.32, 523.25}, {0.32, 0.48, 659.26}, {0.48, 9.0, 523.25},
        {0.48, 9.0, 659.26},  {0.48, 9.0, 783.99},  {0.48, 9.0, 261.63},
    };
    Signal s(static_cast<std::size_t>(samples), 0.0);
    const double length = samples / rate;
    for (int i = 0; i < samples; ++i) {
        const double t = i / rate;
        double v = 0.0;
        for (const Note& n : kNotes) {
            if (t < n.from || t >= n.to) {
                continue;
            }
            const double local = t - n.from;
            const double attack = std::min(local / 0.02, 1.0);
            const double release = n.to - t < 0.02 ? (n.to - t) / 0.02 : 1.0;
            const double vibrato = 0.35 * std::sin(kTau * 5.5 * local) * std::min(local, 1.0);
            v += attack * release * brass(n.hz, t, rate, vibrato);
        }
        const double fade = t > length - 0.9 ? std::pow((length - t) / 0.9, 1.5) : 1.0;
        s[static_cast<std::size_t>(i)] = v * fade;
    }
    finish(s, 8, 64, 0.92);  // loud: a set is the big moment
    return s;
}

// ---- a point won: the crowd applauds --------------------------------------------------------

Signal pointClip(int samples, double rate) {
    Signal s(static_cast<std::size_t>(samples), 0.0);
    Dice dice(808);
    const double length = samples / rate;
    // Hundreds of single claps, each a short burst of band-limited noise.
    const int claps = static_cast<int>(length * 95.0);
    for (int c = 0; c < claps; ++c) {
        const int start = dice.between(0, samples - 1);
        const double level = 0.4 + 0.6 * dice.unit();
        const double decay = 0.004 + 0.008 * dice.unit();
        OnePole low(900.0 + 1600.0 * dice.unit(), rate), high(600.0, rate);
        const int span = static_cast<int>(decay * 6.0 * rate);
        for (int i = start; i < std::min(samples, start + span); ++i) {
            const double t = (i - start) / rate;
            const double n = high.highPass(low.lowPass(dice.unit() * 2.0 - 1.0));
            s[static_cast<std::size_t>(i)] += level * n * std::exp(-t / decay);
        }
    }
    for (int i = 0; i < samples; ++i) {
        const double t = i / rate;
        const double rise = std::min(t / 0.12, 1.0);
        const double fade = t > length - 1.1 ? std::pow((length - t) / 1.1, 1.3) : 1.0;
        s[static_cast<std::size_t>(i)] *= rise * fade;
    }
    finish(s, 8, 64, 0.8);
    return s;
}

std::vector<std::uint8_t> unsigned8(const Signal& s) {
    std::vector<std::uint8_t> out;
    out.reserve(s.size());
    for (double v : s) {
        out.push_back(
            static_cast<std::uint8_t>(128 + std::clamp(std::lround(v * 127.0), -127L, 127L)));
    }
    return out;
}

std::vector<std::uint8_t> signed16Stereo(const Signal& left, const Signal& right) {
    std::vector<std::uint8_t> out;
    out.reserve(left.size() * 4);
    for (std::size_t i = 0; i < left.size(); ++i) {
        for (double v : {left[i], right[i]}) {
            const long q = std::clamp(std::lround(v * 32767.0), -32767L, 32767L);
            const auto word = static_cast<unsigned>(q) & 0xffffu;  // little-endian
            out.push_back(static_cast<std::uint8_t>(word & 0xff));
            out.push_back(static_cast<std::uint8_t>(word >> 8));
        }
    }
    return out;
}

}  // namespace

std::vector<std::uint8_t> clipSamples(int id, const ClipLayout& layout) {
    const int frames = layout.dataBytes / (layout.channels * layout.bits / 8);
    const double rate = layout.rate;
    switch (id) {
        case 1:  // a crisp mid knock
            return unsigned8(
                knockClip(frames, rate, {{0.0, 1.0, 560, 0.012, 1350, 0.006, 1.2}}, 101));
        case 2:  // a rounder, lower knock; also the menu cue
            return unsigned8(
                knockClip(frames, rate, {{0.0, 1.0, 455, 0.016, 1100, 0.008, 0.9}}, 202));
        case 3:  // a higher, drier knock off the racket's frame
            return unsigned8(
                knockClip(frames, rate, {{0.0, 1.0, 690, 0.010, 1720, 0.005, 1.5}}, 303));
        case 4:  // a knock, then the ball's faint bounce near the end
            return unsigned8(knockClip(frames, rate,
                                       {{0.0, 1.0, 520, 0.014, 1250, 0.007, 1.1},
                                        {0.150, 0.22, 600, 0.008, 1400, 0.005, 0.8}},
                                       404));
        case 5:
            return unsigned8(tickClip(frames, rate));
        case 6: {
            const auto [left, right] = introClip(frames, rate);
            return signed16Stereo(left, right);
        }
        case 7:
            return unsigned8(setClip(frames, rate));
        case 8:
            return unsigned8(pointClip(frames, rate));
    }
    return {};
}

}  // namespace assetgen
