#include "assets/gen/drawings.h"

#include "assets/gen/lettering.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string_view>

namespace assetgen {

namespace {

const Canvas& stampNamed(const Stamps& stamps, const std::string& name) {
    const auto it = stamps.find(name);
    if (it == stamps.end()) {
        throw std::runtime_error("the art files have no stamp '" + name + "'");
    }
    return it->second;
}

Canvas scaled(const Canvas& src, int factor) {
    Canvas out(src.width() * factor, src.height() * factor, kClear);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            out.set(x, y, src.at(x / factor, y / factor));
        }
    }
    return out;
}

// ---- the splash's props ---------------------------------------------------------------------

Canvas card(const Stamps& stamps, char rank, const std::string& suit, bool red) {
    constexpr int kW = 34, kH = 48;
    const Rgba paper = rgb(250, 248, 236);
    const Rgba edge = rgb(48, 48, 48);
    const Rgba ink = red ? rgb(208, 16, 16) : rgb(16, 16, 16);
    Canvas c(kW, kH, kClear);
    c.fillRect(1, 1, kW - 2, kH - 2, paper);
    c.line(2, 0, kW - 3, 0, edge);
    c.line(2, kH - 1, kW - 3, kH - 1, edge);
    c.line(0, 2, 0, kH - 3, edge);
    c.line(kW - 1, 2, kW - 1, kH - 3, edge);
    for (auto [x, y] : {std::pair{1, 1}, {kW - 2, 1}, {1, kH - 2}, {kW - 2, kH - 2}}) {
        c.set(x, y, edge);
    }
    const Canvas letter = wordMask(std::string_view(&rank, 1), 1, 0, ink);
    const Canvas small = stampNamed(stamps, "stamp.suit." + suit);
    c.stamp(letter, 3, 3);
    c.stamp(small, 3, 11);
    c.stampRotated(letter, kW - 5.5, kH - 6.5, 180);  // the index again, upside down
    const Canvas big = scaled(small, 3);
    c.stamp(big, (kW - big.width()) / 2, (kH - big.height()) / 2);
    return c;
}

void pip(Canvas& c, double x, double y, double rx, double ry) {
    c.fillEllipse(x, y, rx, ry, rgb(248, 248, 248));
}

// A die seen from the front and a little above: front face, lit top, shaded right side.
void die(Canvas& c, int x, int y, int size, Rgba body, int frontPips) {
    const double d = size * 0.32;
    const Rgba top = mix(body, rgb(255, 255, 255), 0.35);
    const Rgba side = mix(body, rgb(0, 0, 0), 0.4);
    const Rgba edge = mix(body, rgb(0, 0, 0), 0.75);
    const double x0 = x, y0 = y, x1 = x + size, y1 = y + size;
    c.fillPolygon({{x0, y0}, {x0 + d, y0 - d}, {x1 + d, y0 - d}, {x1, y0}}, top);
    c.fillPolygon({{x1, y0}, {x1 + d, y0 - d}, {x1 + d, y1 - d}, {x1, y1}}, side);
    c.fillRect(x, y, x + size - 1, y + size - 1, body);
    c.frameRect(x, y, x + size - 1, y + size - 1, edge);
    c.line(x, y, static_cast<int>(x0 + d), static_cast<int>(y0 - d), edge);
    c.line(static_cast<int>(x0 + d), static_cast<int>(y0 - d), static_cast<int>(x1 + d),
           static_cast<int>(y0 - d), edge);
    c.line(static_cast<int>(x1 + d), static_cast<int>(y0 - d), static_cast<int>(x1 + d),
           static_cast<int>(y1 - d), edge);
    c.line(x + size - 1, y + size - 1, static_cast<int>(x1 + d), static_cast<int>(y1 - d), edge);
    c.line(x + size - 1, y, static_cast<int>(x1 + d), static_cast<int>(y0 - d), edge);

    const double r = size * 0.09;
    const double a = x + size * 0.25, m = x + size * 0.5, b = x + size * 0.75;
    const double ta = y + size * 0.25, tm = y + size * 0.5, tb = y + size * 0.75;
    if (frontPips % 2 == 1) {
        pip(c, m, tm, r, r);
    }
    if (frontPips >= 2) {
        pip(c, a, tb, r, r);
        pip(c, b, ta, r, r);
    }
    if (frontPips >= 4) {
        pip(c, a, ta, r, r);
        pip(c, b, tb, r, r);
    }
    // One pip on the top face, squashed by the view.
    pip(c, x + size * 0.5 + d * 0.5, y - d * 0.5, r * 1.1, r * 0.5);
}

// The seam of a tennis ball: a closed curve on the sphere, turned to face the viewer.
void seam(Canvas& c, double cx, double cy, double radius, Rgba colour) {
    constexpr double kA = 0.72, kB = 0.28;
    const double tilt = 0.25, spin = 0.2;
    for (int i = 0; i < 4000; ++i) {
        const double t = i * 2.0 * 3.14159265358979323846 / 4000.0;
        double x = kA * std::cos(t) + kB * std::cos(3 * t);
        double y = kA * std::sin(t) - kB * std::sin(3 * t);
        double z = 2.0 * std::sqrt(kA * kB) * std::sin(2 * t);
        // Tip the curve about two axes so it sweeps across the front of the ball.
        const double y1 = y * std::cos(tilt) - z * std::sin(tilt);
        const double z1 = y * std::sin(tilt) + z * std::cos(tilt);
        const double x2 = x * std::cos(spin) + z1 * std::sin(spin);
        const double z2 = -x * std::sin(spin) + z1 * std::cos(spin);
        x = x2;
        y = y1;
        z = z2;
        if (z > 0.05) {
            c.fillEllipse(cx + x * radius, cy + y * radius, 2.7, 2.7, colour);
        }
    }
}

void tennisBall(Canvas& c, double cx, double cy, double radius) {
    Dice felt(4242);
    const Rgba lit = rgb(232, 246, 96);
    const Rgba shade = rgb(86, 112, 4);
    const double lx = -0.45, ly = -0.6, lz = 0.66;
    for (int y = static_cast<int>(cy - radius) - 1; y <= static_cast<int>(cy + radius) + 1; ++y) {
        for (int x = static_cast<int>(cx - radius) - 1; x <= static_cast<int>(cx + radius) + 1;
             ++x) {
            const double nx = (x + 0.5 - cx) / radius;
            const double ny = (y + 0.5 - cy) / radius;
            const double rr = nx * nx + ny * ny;
            const double grain = felt.unit();
            if (rr > 1.0) {
                continue;
            }
            const double nz = std::sqrt(1.0 - rr);
            const double light = std::max(0.0, nx * lx + ny * ly + nz * lz);
            Rgba p = mix(shade, lit, 0.2 + 0.8 * light);
            p = mix(p, grain < 0.5 ? rgb(0, 0, 0) : rgb(255, 255, 255),
                    0.06 * std::abs(grain - 0.5) * 2);
            c.set(x, y, p);
        }
    }
    Canvas seamLayer(c.width(), c.height(), kClear);
    seam(seamLayer, cx, cy, radius, rgb(250, 250, 232));
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            if (seamLayer.at(x, y).a == 0) {
                continue;
            }
            const double nx = (x + 0.5 - cx) / radius;
            const double ny = (y + 0.5 - cy) / radius;
            const double rr = nx * nx + ny * ny;
            if (rr < 0.985) {
                const double nz = std::sqrt(1.0 - rr);
                const double light = std::max(0.0, nx * lx + ny * ly + nz * lz);
                c.set(x, y, mix(rgb(150, 150, 120), seamLayer.at(x, y), 0.55 + 0.45 * light));
            }
        }
    }
}

}  // namespace

Canvas drawGrass(const Stamps& stamps) {
    Canvas c(304, 312, kGrass);
    Dice dice(1952);
    // Darker specks of uneven turf, a few of them in little clumps.
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const double roll = dice.unit();
            if (roll < 0.07) {
                c.set(x, y, rgb(0, 120, 12));
            } else if (roll < 0.10) {
                c.set(x, y, rgb(0, 104, 8));
            } else if (roll < 0.115) {
                c.set(x, y, rgb(16, 136, 24));
            }
        }
    }
    // The score panel in its red-brown frame, lit from the top left.
    c.fillRect(45, 0, 261, 19, rgb(136, 48, 32));
    c.line(45, 0, 261, 0, rgb(176, 76, 52));
    c.line(45, 0, 45, 19, rgb(176, 76, 52));
    c.line(261, 1, 261, 19, rgb(88, 28, 16));
    c.line(46, 19, 261, 19, rgb(88, 28, 16));
    c.fillRect(47, 2, 259, 17, rgb(0, 0, 0));
    // Two short posts hold the panel up.
    for (int post : {62, 241}) {
        c.fillRect(post, 20, post + 2, 23, rgb(56, 40, 28));
        c.line(post, 20, post, 23, rgb(88, 64, 44));
    }
    // A spectator in yellow on either side at mid-height, each with a racket.
    const Canvas& fan = stampNamed(stamps, "stamp.grass-player");
    c.stamp(fan, 4, 150);
    c.stamp(fan.mirrored(), 302 - fan.width() - 4 + 1, 150);
    return c;
}

Canvas drawCourt() {
    Canvas c(256, 271, kCourtSurface);
    std::vector<std::pair<int, int>> core;
    auto across = [&](int y) {
        for (int x = 8; x <= 247; ++x) {
            core.emplace_back(x, y);
        }
    };
    auto down = [&](int x) {
        for (int y = 8; y <= 262; ++y) {
            core.emplace_back(x, y);
        }
    };
    across(8);
    across(262);
    down(8);
    down(247);
    across(44);   // the computer's service line
    across(136);  // the net, halfway down
    across(226);  // the player's service line
    // Chalk bleeds a little into the clay beside each line.
    Canvas isCore(c.width(), c.height(), kClear);
    for (auto [x, y] : core) {
        isCore.set(x, y, rgb(255, 255, 255));
    }
    for (auto [x, y] : core) {
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            if (isCore.contains(x + dx, y + dy) && isCore.at(x + dx, y + dy).a == 0) {
                c.set(x + dx, y + dy, mix(kCourtSurface, kCourtLine, 0.22));
            }
        }
    }
    Dice chalk(226);
    for (auto [x, y] : core) {
        c.set(x, y, mix(kCourtLine, rgb(255, 244, 214), chalk.unit() * 0.5));
    }
    return c;
}

Canvas drawSplash(const Stamps& stamps) {
    Canvas c(250, 250, rgb(0, 0, 0));
    // Cards fanned out behind the ball at the top corners.
    c.stampRotated(card(stamps, 'A', "spade", false), 26, 46, -28);
    c.stampRotated(card(stamps, 'K', "heart", true), 46, 36, -10);
    c.stampRotated(card(stamps, 'Q', "diamond", true), 226, 40, 18);
    c.stampRotated(card(stamps, 'J', "club", false), 206, 30, 4);
    tennisBall(c, 125, 116, 84);
    title(c, "SMASHBOL", 125, 66, 4, rgb(255, 96, 72), rgb(168, 0, 0), rgb(24, 0, 0));
    title(c, "2002", 125, 112, 5, rgb(96, 160, 255), rgb(16, 40, 168), rgb(0, 0, 40));
    // Two dice tumbling out at the bottom right, clear of the "CLICK" at the bottom left.
    die(c, 162, 206, 28, rgb(0, 156, 48), 5);
    die(c, 204, 190, 28, rgb(204, 24, 24), 3);
    return c;
}

}  // namespace assetgen
