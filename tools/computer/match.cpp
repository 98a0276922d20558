// SPDX-License-Identifier: GPL-3.0-or-later
#include "match.h"

#include "opponents.h"
#include "positions.h"

#include <atomic>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

namespace kalvora::bench {
namespace {

struct GameResult {
    int firstStore = 0; // the reported player's store at the end
    int secondStore = 0;
    int sowings = 0;
    std::string illegal; // the position and pit of an illegal choice
};

GameResult playGame(Board board, Opponent& first, Opponent& second, Side firstSide) {
    GameResult result;
    while (!board.rowEmpty(board.toMove)) {
        Opponent& mover = board.toMove == firstSide ? first : second;
        const int pit = mover.choose(board);
        if (!board.canSow(pit)) {
            result.illegal = setupLine(board) + ", pit " + std::to_string(pit);
            break;
        }
        sow(board, pit); // an extra turn leaves the same side to move
        ++result.sowings;
    }
    result.firstStore = board.store(firstSide);
    result.secondStore = board.store(otherSide(firstSide));
    return result;
}

const char* outcome(const GameResult& game) {
    return game.firstStore > game.secondStore    ? "win"
           : game.firstStore == game.secondStore ? "draw"
                                                 : "loss";
}

} // namespace

bool playMatch(const MatchOptions& options) {
    // The openings spread evenly over every distinct one.
    const std::vector<Opening> all = twoTurnOpenings();
    std::vector<Opening> openings;
    for (int i = 0; i < options.openings; ++i)
        openings.push_back(all[static_cast<std::size_t>(i) * all.size() /
                               static_cast<std::size_t>(options.openings)]);
    const int games = 2 * options.openings;
    std::printf("%s against %s: %d games, %d of the %zu distinct two-turn openings, each with "
                "both seats; %d at once; random player seed %llu\n",
                options.first.c_str(), options.second.c_str(), games, options.openings, all.size(),
                options.jobs, static_cast<unsigned long long>(options.seed));
    if (options.moveTime)
        std::printf("strong and master move in %lld ms (--move-time), not in their own 0.5 s\n",
                    static_cast<long long>(options.moveTime->count()));
    std::fflush(stdout);

    std::vector<GameResult> results(static_cast<std::size_t>(games));
    std::atomic<int> next{0};
    std::mutex printing;
    const auto start = std::chrono::steady_clock::now();
    // Each thread seats players of its own: a ComputerPlayer serves one thread.
    auto playGames = [&] {
        const auto first = makeOpponent(options.first, options.moveTime);
        const auto second = makeOpponent(options.second, options.moveTime);
        for (int game; (game = next++) < games;) {
            const Opening& opening = openings[static_cast<std::size_t>(game / 2)];
            const Side firstSide = game % 2 == 0 ? Side::One : Side::Two;
            first->newGame(options.seed + 2 * static_cast<std::uint64_t>(game));
            second->newGame(options.seed + 2 * static_cast<std::uint64_t>(game) + 1);
            GameResult& result = results[static_cast<std::size_t>(game)];
            result = playGame(opening.board, *first, *second, firstSide);
            const std::lock_guard<std::mutex> lock(printing);
            std::printf("game %3d  opening %-24s %s moves %s  %2d-%2d %-4s  %d sowings%s%s\n",
                        game + 1, opening.sowings.c_str(), options.first.c_str(),
                        firstSide == Side::One ? "first " : "second", result.firstStore,
                        result.secondStore, outcome(result), result.sowings,
                        result.illegal.empty() ? "" : "  ILLEGAL CHOICE at ",
                        result.illegal.c_str());
            std::fflush(stdout);
        }
    };
    std::vector<std::thread> threads;
    for (int j = 1; j < options.jobs; ++j)
        threads.emplace_back(playGames);
    playGames();
    for (std::thread& thread : threads)
        thread.join();

    int wins = 0, draws = 0, illegal = 0;
    for (const GameResult& game : results) {
        wins += game.firstStore > game.secondStore;
        draws += game.firstStore == game.secondStore;
        illegal += !game.illegal.empty();
    }
    // Wilson score interval of the score, a draw counting as half a win.
    const double n = games, z = 1.96;
    const double p = (wins + 0.5 * draws) / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z / (1 + z * z / n) * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n));
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s: %d wins, %d draws, %d losses; score %.1f %%, 95 %% interval %.1f-%.1f %% "
                "(Wilson, a draw as half a win); %d illegal choices; %.0f s\n",
                options.first.c_str(), wins, draws, games - wins - draws, 100 * p,
                100 * (centre - half), 100 * (centre + half), illegal, seconds);
    return illegal == 0;
}

} // namespace kalvora::bench
