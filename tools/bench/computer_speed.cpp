// SPDX-License-Identifier: GPL-3.0-or-later
// The computer player from outside, through ComputerPlayer::choose alone:
// each level's table memory, and master's positions searched a second, depth
// and time per move with its own budget, each search from an empty table as
// at the start of a game, on the opening and on positions of random play.
// A search that allocates on the heap fails the run.

#include "bench.h"
#include "computer_player.h"

#include <cstdio>
#include <random>
#include <stdexcept>

namespace bench {
namespace {

using kalvora::Board;
using namespace kalvora::computer;

Board openingBoard() {
    Table table; // the game sets the opening up; nothing here repeats how
    table.procedures.new1_Click();
    return kalvora::boardOf(table.state);
}

// The first position with exactly `seeds` seeds in the rows and a move to
// make, in random games from the opening.
Board randomPositionWith(int seeds, std::mt19937_64& random) {
    const auto seedsInRows = [](const Board& b) {
        return b.rowSeeds(kalvora::Side::One) + b.rowSeeds(kalvora::Side::Two);
    };
    for (int attempt = 0; attempt < 100000; ++attempt) {
        Board b = openingBoard();
        while (!b.rowEmpty(b.toMove) && seedsInRows(b) > seeds) {
            int legal[kalvora::kRowLength], count = 0;
            for (int p = kalvora::firstPitOf(b.toMove); p <= kalvora::lastPitOf(b.toMove); ++p)
                if (b.canSow(p))
                    legal[count++] = p;
            kalvora::sow(b, legal[std::uniform_int_distribution<int>(0, count - 1)(random)]);
        }
        if (!b.rowEmpty(b.toMove) && seedsInRows(b) == seeds)
            return b;
    }
    throw std::runtime_error("no random game passed " + std::to_string(seeds) + " seeds left");
}

} // namespace

int measureComputer(int repetitions) {
    for (int level = 0; level < kLevelCount; ++level) {
        const long long before = allocatedBytes();
        const ComputerPlayer player(static_cast<Level>(level));
        result("kalvora",
               std::string("computer.table_mib_") + settingsOf(static_cast<Level>(level)).name,
               static_cast<double>(allocatedBytes() - before) / (1 << 20));
    }
    std::mt19937_64 random(1);
    const std::pair<const char*, Board> positions[] = {
        {"opening", openingBoard()},
        {"70_seeds", randomPositionWith(70, random)},
        {"50_seeds", randomPositionWith(50, random)},
        {"35_seeds", randomPositionWith(35, random)}};
    ComputerPlayer master(Level::Master);
    long long allocations = 0;
    for (int r = 0; r < repetitions; ++r)
        for (const auto& [where, board] : positions) {
            master.clear();
            const long long before = allocationCount();
            const auto start = Clock::now();
            const Choice choice = master.choose(board);
            const std::chrono::duration<double> took = Clock::now() - start;
            allocations += allocationCount() - before;
            const std::string prefix = std::string("computer.master_") + where;
            result("kalvora", prefix + "_mpositions_per_s",
                   static_cast<double>(choice.nodes) / took.count() / 1e6);
            result("kalvora", prefix + "_depth", choice.depth);
            result("kalvora", prefix + "_s_per_move", took.count());
        }
    result("kalvora", "computer.allocations_in_choose", static_cast<double>(allocations));
    if (allocations != 0)
        std::fprintf(stderr, "kalvora-bench: a search allocated on the heap\n");
    return allocations != 0 ? 1 : 0;
}

} // namespace bench
