// SPDX-License-Identifier: GPL-3.0-or-later
#include "measures.h"

#include "allocation_counter.h"
#include "computer_player.h"
#include "opponents.h"
#include "positions.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace kalvora::bench {
namespace {

using computer::Choice;
using computer::ComputerPlayer;
using computer::Level;
using Clock = std::chrono::steady_clock;

// The exhaustive search is only quick enough on few seeds.
constexpr int kMostSeedsChecked = 12;

struct Timed {
    Choice choice;
    double seconds = 0;
    long long allocations = 0;
};

// A search from an empty table, as at the start of a game.
Timed timedChoice(ComputerPlayer& player, const Board& board) {
    player.clear();
    Timed timed;
    const Allocations before = allocationsSoFar();
    const auto start = Clock::now();
    timed.choice = player.choose(board);
    timed.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    timed.allocations = allocationsSoFar().calls - before.calls;
    return timed;
}

// "median (lowest-highest)"
std::string spread(std::vector<double> values, const char* format) {
    std::sort(values.begin(), values.end());
    char text[96];
    const std::string f = std::string(format) + " (" + format + "-" + format + ")";
    std::snprintf(text, sizeof text, f.c_str(), values[values.size() / 2], values.front(),
                  values.back());
    return text;
}

} // namespace

bool measureSpeed(int repetitions) {
    std::printf("table bytes of each level, allocated when the player is made:\n");
    for (int i = 0; i < computer::kLevelCount; ++i) {
        const Allocations before = allocationsSoFar();
        const ComputerPlayer player(static_cast<Level>(i));
        const double mib = static_cast<double>(allocationsSoFar().bytes - before.bytes) / (1 << 20);
        std::printf("  %-8s %6.1f MiB\n", computer::settingsOf(static_cast<Level>(i)).name, mib);
    }

    std::mt19937_64 random(1);
    const struct {
        const char* name;
        Board board;
    } positions[] = {{"opening", openingBoard()},
                     {"70 seeds in rows", randomPositionWith(70, random)},
                     {"50 seeds in rows", randomPositionWith(50, random)},
                     {"35 seeds in rows", randomPositionWith(35, random)}};
    long long allocations = 0;
    ComputerPlayer master(Level::Master);
    std::printf("master, %d searches of each position from an empty table; median "
                "(lowest-highest):\n",
                repetitions);
    for (const auto& position : positions) {
        std::vector<double> depths, rates, seconds;
        for (int r = 0; r < repetitions; ++r) {
            const Timed timed = timedChoice(master, position.board);
            depths.push_back(timed.choice.depth);
            rates.push_back(static_cast<double>(timed.choice.nodes) / timed.seconds / 1e6);
            seconds.push_back(timed.seconds);
            allocations += timed.allocations;
        }
        std::printf("  %-17s depth %s  M positions/s %s  s %s\n  %s\n", position.name,
                    spread(depths, "%.0f").c_str(), spread(rates, "%.2f").c_str(),
                    spread(seconds, "%.3f").c_str(), setupLine(position.board).c_str());
    }
    for (int i = 0; i < computer::kLevelCount; ++i) {
        ComputerPlayer player(static_cast<Level>(i));
        for (const auto& position : positions)
            allocations += timedChoice(player, position.board).allocations;
    }
    std::printf("heap allocations in all these searches: %lld\n", allocations);
    return allocations == 0;
}

bool measureEndgames(int fewest, int most, int count, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    ComputerPlayer master(Level::Master);
    std::printf("master on %d positions of random play (seed %llu) for each count of seeds "
                "left in the rows; values checked against an exhaustive search up to %d seeds\n"
                "seeds  exact  median ms  worst ms  checked  disagreed\n",
                count, static_cast<unsigned long long>(seed), kMostSeedsChecked);
    int largestAllExact = 0;
    int disagreements = 0;
    for (int seeds = fewest; seeds <= most; ++seeds) {
        std::vector<double> milliseconds;
        int exact = 0, checked = 0, disagreed = 0;
        for (int k = 0; k < count; ++k) {
            const Board board = randomPositionWith(seeds, random);
            const Timed timed = timedChoice(master, board);
            milliseconds.push_back(timed.seconds * 1000);
            exact += timed.choice.exact;
            if (seeds > kMostSeedsChecked)
                continue;
            ++checked;
            const int truth = exactValue(board);
            const int pitValue = valueOfPit(board, timed.choice.pit, kWholeGame);
            if ((timed.choice.exact && timed.choice.value != truth) || pitValue != truth) {
                ++disagreed;
                std::printf("  disagreement: %s: master pit %d value %d exact %d; exhaustive "
                            "value %d, pit %d worth %d\n",
                            setupLine(board).c_str(), timed.choice.pit, timed.choice.value,
                            timed.choice.exact, truth, timed.choice.pit, pitValue);
            }
        }
        std::sort(milliseconds.begin(), milliseconds.end());
        std::printf("%5d  %2d/%-2d  %9.1f  %8.1f  %7d  %9d\n", seeds, exact, count,
                    milliseconds[milliseconds.size() / 2], milliseconds.back(), checked, disagreed);
        std::fflush(stdout);
        if (exact == count)
            largestAllExact = seeds;
        disagreements += disagreed;
    }
    const std::string largest = largestAllExact ? std::to_string(largestAllExact) : "none";
    std::printf("largest count of seeds left with every position exact within the budget: %s\n",
                largest.c_str());
    return disagreements == 0;
}

} // namespace kalvora::bench
