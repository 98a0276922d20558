// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four strengths as data: how deep and how long each looks, how large a
// table it keeps and how often it settles for a weaker move.

#include <chrono>
#include <cstddef>
#include <optional>
#include <string_view>

namespace kalvora::computer {

enum class Level { Beginner, Casual, Strong, Master };
constexpr int kLevelCount = 4;

struct LevelSettings {
    const char* name;                 // as typed: "beginner" .. "master"
    const char* title;                // as shown: "Beginner" .. "Master"
    int maxDepth;                     // sowings; iterative deepening stops here
    std::chrono::milliseconds budget; // time for one move
    std::size_t tableBytes;           // transposition table
    // With this chance (in percent) a move is picked at random among those
    // that lose at most `slack` seeds against the best one.
    int weakerMoveChance;
    int slack;
};

const LevelSettings& settingsOf(Level level);
std::optional<Level> levelNamed(std::string_view name);

} // namespace kalvora::computer
