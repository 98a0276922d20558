// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The probe's one clock: every time it reports is a difference of two
// readings of it, in milliseconds.

#include <chrono>

namespace probe {

using Clock = std::chrono::steady_clock;
using Time = Clock::time_point;

inline double msBetween(Time from, Time to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

inline Time after(Time from, double ms) {
    return from + std::chrono::duration_cast<Clock::duration>(
                      std::chrono::duration<double, std::milli>(ms));
}

} // namespace probe
