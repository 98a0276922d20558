// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace assetgen {

// Seeded 2D gradient noise, roughly in [-1, 1]. Pure integer hashing, so the
// same seed gives the same field on every run and every machine.
double gradientNoise(double x, double y, std::uint32_t seed);

// Fractal sum of `octaves` gradient-noise layers (lacunarity 2, gain 0.5),
// normalised to roughly [-1, 1].
double fbm(double x, double y, int octaves, std::uint32_t seed);

// Small deterministic generator for placing twigs, speckles and the like.
// std::uniform_*_distribution is not portable between standard libraries.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {
        if (state_ == 0)
            state_ = 1;
    }
    std::uint32_t next();
    // Uniform in [lo, hi).
    double uniform(double lo, double hi);

private:
    std::uint32_t state_;
};

double smoothstep(double edge0, double edge1, double x);

} // namespace assetgen
