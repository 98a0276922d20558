// SPDX-License-Identifier: GPL-3.0-or-later
#include "noise.h"

#include <array>
#include <cmath>

namespace assetgen {
namespace {

std::uint32_t mix(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

std::uint32_t latticeHash(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    return mix(static_cast<std::uint32_t>(x) * 0x8da6b343u ^
               static_cast<std::uint32_t>(y) * 0xd8163841u ^ mix(seed + 0x9e3779b9u));
}

struct Dir {
    double x, y;
};

// 32 evenly spread unit gradients; a table avoids a trig call per lattice point.
const std::array<Dir, 32>& gradients() {
    static const std::array<Dir, 32> table = [] {
        std::array<Dir, 32> t{};
        for (int i = 0; i < 32; ++i) {
            const double a = (i + 0.5) * (2.0 * M_PI / 32.0);
            t[i] = {std::cos(a), std::sin(a)};
        }
        return t;
    }();
    return table;
}

double dotGrad(std::int32_t ix, std::int32_t iy, std::uint32_t seed, double dx, double dy) {
    const Dir& g = gradients()[latticeHash(ix, iy, seed) & 31u];
    return g.x * dx + g.y * dy;
}

double fade(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

double lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

} // namespace

double gradientNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx);
    const auto iy = static_cast<std::int32_t>(fy);
    const double dx = x - fx;
    const double dy = y - fy;
    const double n00 = dotGrad(ix, iy, seed, dx, dy);
    const double n10 = dotGrad(ix + 1, iy, seed, dx - 1.0, dy);
    const double n01 = dotGrad(ix, iy + 1, seed, dx, dy - 1.0);
    const double n11 = dotGrad(ix + 1, iy + 1, seed, dx - 1.0, dy - 1.0);
    const double u = fade(dx);
    const double v = fade(dy);
    return lerp(lerp(n00, n10, u), lerp(n01, n11, u), v) * M_SQRT2;
}

double fbm(double x, double y, int octaves, std::uint32_t seed) {
    double sum = 0.0;
    double amp = 1.0;
    double norm = 0.0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * gradientNoise(x, y, seed + static_cast<std::uint32_t>(i) * 1013u);
        norm += amp;
        amp *= 0.5;
        // Shift each octave so lattice points of different octaves do not line up.
        x = x * 2.0 + 17.31;
        y = y * 2.0 + 5.17;
    }
    return sum / norm;
}

std::uint32_t Rng::next() {
    // xorshift32
    std::uint32_t x = state_;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    state_ = x;
    return x;
}

double Rng::uniform(double lo, double hi) {
    return lo + (hi - lo) * (static_cast<double>(next() >> 8) / 16777216.0);
}

double smoothstep(double edge0, double edge1, double x) {
    double t = (x - edge0) / (edge1 - edge0);
    t = t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t);
    return t * t * (3.0 - 2.0 * t);
}

} // namespace assetgen
