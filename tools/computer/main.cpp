// SPDX-License-Identifier: GPL-3.0-or-later
// The computer player measured: speed, exact endgames and matches.
//
//   kalvora-computer-bench speed [--repetitions N]
//   kalvora-computer-bench endgame [--seeds N..M] [--count K] [--seed S]
//   kalvora-computer-bench match A B [--openings N] [--move-time MS] [--jobs J] [--seed S]
//
// Exit status 2 for bad arguments, 1 when a check failed: a search
// allocated, master disagreed with the exhaustive search, or a player chose
// a pit it may not sow.

#include "match.h"
#include "measures.h"
#include "opponents.h"
#include "positions.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace kalvora::bench;
using Options = std::map<std::string, std::string>;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "kalvora-computer-bench: %s\n", what.c_str());
    std::exit(2);
}

long long number(const std::string& text, long long low, long long high, const std::string& what) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        fail(what + " must be a whole number from " + std::to_string(low) + " to " +
             std::to_string(high) + ", not '" + text + "'");
    return value;
}

// The --name value pairs from argv[first] on, each name one of `allowed`.
Options optionsOf(int argc, char** argv, int first, const std::vector<std::string>& allowed) {
    Options options;
    for (int i = first; i < argc; i += 2) {
        const std::string name = argv[i];
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end())
            fail("unknown option '" + name + "'");
        if (i + 1 == argc)
            fail(name + " needs a value");
        options[name] = argv[i + 1];
    }
    return options;
}

long long option(const Options& options, const std::string& name, long long fallback, long long low,
                 long long high) {
    const auto given = options.find(name);
    return given == options.end() ? fallback : number(given->second, low, high, name);
}

int speed(int argc, char** argv) {
    const Options options = optionsOf(argc, argv, 2, {"--repetitions"});
    return measureSpeed(static_cast<int>(option(options, "--repetitions", 5, 1, 1000))) ? 0 : 1;
}

int endgame(int argc, char** argv) {
    const Options options = optionsOf(argc, argv, 2, {"--seeds", "--count", "--seed"});
    const int allSeeds = seedsInRows(openingBoard());
    int fewest = 16, most = 26;
    if (options.count("--seeds")) {
        const std::string range = options.at("--seeds");
        const std::size_t dots = range.find("..");
        fewest = static_cast<int>(number(range.substr(0, dots), 1, allSeeds, "--seeds"));
        most = dots == std::string::npos ? fewest
                                         : static_cast<int>(number(range.substr(dots + 2), fewest,
                                                                   allSeeds, "the end of --seeds"));
    }
    return measureEndgames(
               fewest, most, static_cast<int>(option(options, "--count", 20, 1, 10000)),
               static_cast<std::uint64_t>(option(options, "--seed", 20261208, 0, 1LL << 62)))
               ? 0
               : 1;
}

int match(int argc, char** argv) {
    if (argc < 4)
        fail("match needs two players among: " + std::string(kOpponentNames));
    MatchOptions match;
    match.first = argv[2];
    match.second = argv[3];
    for (const std::string& player : {match.first, match.second})
        if (!makeOpponent(player, std::nullopt))
            fail("unknown player '" + player + "' (" + kOpponentNames + ")");
    const Options options =
        optionsOf(argc, argv, 4, {"--openings", "--move-time", "--jobs", "--seed"});
    const auto openings = static_cast<long long>(twoTurnOpenings().size());
    match.openings = static_cast<int>(option(options, "--openings", 50, 1, openings));
    if (options.count("--move-time"))
        match.moveTime = std::chrono::milliseconds(option(options, "--move-time", 0, 1, 60000));
    match.jobs = static_cast<int>(option(options, "--jobs", 1, 1, 64));
    match.seed = static_cast<std::uint64_t>(option(options, "--seed", 20261208, 0, 1LL << 62));
    return playMatch(match) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "speed")
        return speed(argc, argv);
    if (command == "endgame")
        return endgame(argc, argv);
    if (command == "match")
        return match(argc, argv);
    fail(command.empty() ? "name a measurement: speed, endgame or match"
                         : "unknown measurement '" + command + "' (speed, endgame or match)");
}
