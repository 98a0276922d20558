// SPDX-License-Identifier: GPL-3.0-or-later
// kalvora-bench, the probe of tools/bench/run.sh:
//
//   kalvora-bench startup LABEL [--game] -- PROGRAM [ARGUMENT...]
//   kalvora-bench idle|silent-idle|clicks LABEL N [--game] -- PROGRAM [ARGUMENT...]
//   kalvora-bench rules|computer REPETITIONS
//
// A bad argument ends it with a message naming it and exit status 2; a
// failed measurement or check with status 1.

#include "bench.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void badArgument(const std::string& why) {
    std::fprintf(
        stderr, "kalvora-bench: %s\nusage: kalvora-bench %s\n", why.c_str(),
        "startup|idle|silent-idle|clicks LABEL [N] [--game] -- PROGRAM... | rules|computer N");
    std::exit(2);
}

int number(const std::vector<std::string>& words, size_t at, int low, int high) {
    const std::string word = at < words.size() ? words[at] : "";
    char* end = nullptr;
    const long n = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0' || n < low || n > high)
        badArgument("argument " + std::to_string(at + 1) + " '" + word +
                    "': expected a whole number from " + std::to_string(low) + " to " +
                    std::to_string(high));
    return static_cast<int>(n);
}

} // namespace

void bench::result(const std::string& label, const std::string& metric, double value) {
    std::printf("RESULT %s %s %.4f\n", label.c_str(), metric.c_str(), value);
    std::fflush(stdout);
}

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    const std::string kind = words.empty() ? "" : words[0];
    if ((kind == "rules" || kind == "computer") && words.size() <= 2) {
        const int repetitions = number(words, 1, 1, 1000);
        return kind == "rules" ? bench::measureRules(repetitions)
                               : bench::measureComputer(repetitions);
    }
    const std::vector<std::string> kinds{"startup", "idle", "silent-idle", "clicks"};
    const auto watch = std::find(kinds.begin(), kinds.end(), kind);
    if (watch == kinds.end())
        badArgument("argument 1 '" + kind + "': not a measurement");
    const size_t counted = kind == "startup" ? 2 : 3;
    const int count = kind == "startup" ? 0 : number(words, 2, kind == "clicks" ? 1 : 2, 86400);
    const auto dash = std::find(words.begin(), words.end(), "--");
    const bool game = counted < words.size() && words[counted] == "--game";
    if (words.size() < 2 || dash != words.begin() + static_cast<long>(counted + game) ||
        dash + 1 == words.end())
        badArgument("expected the label, " + std::string(counted == 3 ? "N, " : "") +
                    "maybe --game, then -- and the program to start");
    return bench::probeWindow(static_cast<bench::Watch>(watch - kinds.begin()), words[1], count,
                              game, {dash + 1, words.end()});
}
