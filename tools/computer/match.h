// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paired games between two players: every opening played twice, the seats
// swapped, with the first player's wins, draws, losses and score.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace kalvora::bench {

struct MatchOptions {
    std::string first; // the player whose results are reported
    std::string second;
    int openings = 50;
    std::optional<std::chrono::milliseconds> moveTime; // for strong and master
    int jobs = 1;                                      // games played at once
    std::uint64_t seed = 20261208;                     // of the random player
};

// Prints each game as it ends, then the summary. False when a player chose
// a pit it may not sow.
bool playMatch(const MatchOptions& options);

} // namespace kalvora::bench
