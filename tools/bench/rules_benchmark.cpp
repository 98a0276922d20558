// SPDX-License-Identifier: GPL-3.0-or-later
// The rules alone: single moves and whole random games on a display that
// records nothing, and a count of heap allocations per move. The global
// operator new is replaced in this binary so that every allocation the rules
// make is seen, whatever library makes it.
//
//   kalvora-rules-benchmark [--results=FILE] [google benchmark flags]
//
// It first checks that a move allocates nothing and exits with status 1 if
// one does; then it runs the timings. --results appends one
// "RESULT kalvora METRIC VALUE" line per check and per timed repetition.

#include "form1_procedures.h"
#include "game_state.h"
#include "null_display.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <new>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {
long long allocationCount = 0;

void* countedAllocation(std::size_t size) {
    ++allocationCount;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void* countedAlignedAllocation(std::size_t size, std::size_t alignment) {
    ++allocationCount;
    // aligned_alloc wants a size that is a multiple of the alignment.
    const std::size_t rounded = (size + alignment - 1) / alignment * alignment;
    if (void* p = std::aligned_alloc(alignment, rounded ? rounded : alignment))
        return p;
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t size) {
    return countedAllocation(size);
}
void* operator new[](std::size_t size) {
    return countedAllocation(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    ++allocationCount;
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    ++allocationCount;
    return std::malloc(size ? size : 1);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return countedAlignedAllocation(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return countedAlignedAllocation(size, static_cast<std::size_t>(alignment));
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}

namespace {

using kalvora::Form1Procedures;
using kalvora::GameState;

// The window's work is not what is measured here, only the rules'.
using kalvora::NullDisplay;

// A game just started, with the names filled in as at start-up.
struct Table {
    GameState state;
    NullDisplay display;
    Form1Procedures procedures{state, display};

    Table() {
        procedures.Form_Load();
        procedures.new1_Click();
    }
};

// One move from a fixed position, put back before each move. Only the fields
// a move writes are restored, so the restore costs a few stores.
struct MoveCase {
    const char* name;
    int pit;
    std::function<void(GameState&)> arrange;
    bool passesTurn;
};

const std::vector<MoveCase>& moveCases() {
    static const std::vector<MoveCase> cases{
        // Seven seeds from pit 3 end in pit 10, on the other side.
        {"passes_turn", 3, [](GameState&) {}, true},
        // Seven seeds from pit 1 end in store 8: another turn.
        {"extra_turn", 1, [](GameState&) {}, false},
        // One seed from pit 2 ends in the empty pit 3 and takes pit 13.
        {"capture", 2,
         [](GameState& g) {
             g.pits(2) = 1;
             g.pits(3) = 0;
         },
         true},
        // Forty seeds go round the ring twice and more, skipping store 16.
        {"round_the_ring", 1, [](GameState& g) { g.pits(1) = 40; }, true},
    };
    return cases;
}

struct Position {
    kalvora::OneBasedArray<std::int16_t, kalvora::kPitCount> pits;
    kalvora::Player turn;
};

Position arranged(Table& table, const MoveCase& move) {
    move.arrange(table.state);
    return {table.state.pits, table.state.turn};
}

void restore(GameState& g, const Position& at) {
    g.pits = at.pits;
    g.turn = at.turn;
}

// Allocations per move, counted over many moves outside any timing.
long long allocationsPerMove(const MoveCase& move, int moves) {
    Table table;
    const Position at = arranged(table, move);
    const bool passed = [&] {
        table.procedures.angka_Click(move.pit);
        return table.state.turn != at.turn;
    }();
    if (passed != move.passesTurn) {
        std::fprintf(stderr,
                     "kalvora-rules-benchmark: the %s move %s the turn; the position "
                     "no longer exercises what its name says\n",
                     move.name, passed ? "passed" : "kept");
        std::exit(1);
    }
    const long long before = allocationCount;
    for (int i = 0; i < moves; ++i) {
        restore(table.state, at);
        table.procedures.angka_Click(move.pit);
    }
    return (allocationCount - before + moves - 1) / moves;
}

void timeMove(benchmark::State& state, const MoveCase& move) {
    Table table;
    const Position at = arranged(table, move);
    const long long before = allocationCount;
    for (auto _ : state) {
        restore(table.state, at);
        table.procedures.angka_Click(move.pit);
        benchmark::DoNotOptimize(table.state.pits(kalvora::kPlayerOneStore));
    }
    state.counters["allocs_per_move"] =
        static_cast<double>(allocationCount - before) / static_cast<double>(state.iterations());
}

// The cost of putting the position back, to subtract from the moves.
void timeRestoreOnly(benchmark::State& state) {
    Table table;
    const Position at{table.state.pits, table.state.turn};
    for (auto _ : state) {
        restore(table.state, at);
        benchmark::DoNotOptimize(table.state.pits(1));
        benchmark::ClobberMemory();
    }
}

// Whole games of uniformly random legal moves, from one fixed seed.
void timeRandomGame(benchmark::State& state) {
    Table table;
    GameState& g = table.state;
    std::mt19937 random(20240611);
    int legal[kalvora::kPitCount];
    long long moves = 0;
    const long long before = allocationCount;
    for (auto _ : state) {
        table.procedures.new1_Click();
        while (!g.boardLocked) {
            int count = 0;
            for (int p = kalvora::firstOwnPit(g.turn); p <= kalvora::lastOwnPit(g.turn); ++p)
                if (g.pits(p) != 0)
                    legal[count++] = p;
            const int pick = static_cast<int>(random() % static_cast<unsigned>(count));
            table.procedures.angka_Click(legal[pick]);
            ++moves;
        }
        benchmark::DoNotOptimize(g.storeTotals(1));
    }
    const double games = static_cast<double>(state.iterations());
    state.counters["moves_per_game"] = static_cast<double>(moves) / games;
    state.counters["time_per_move"] = benchmark::Counter(
        static_cast<double>(moves), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocs_per_game"] = static_cast<double>(allocationCount - before) / games;
}

void timeClockTick(benchmark::State& state) {
    Table table;
    const long long before = allocationCount;
    for (auto _ : state)
        table.procedures.Timer1_Timer();
    state.counters["allocs_per_tick"] =
        static_cast<double>(allocationCount - before) / static_cast<double>(state.iterations());
}

// The console shows the aggregates of repeated runs; each repetition becomes
// a RESULT line for the summary, which takes its own median and spread. The
// lines are kept in the order the benchmarks were registered, however the
// repetitions were interleaved.
class ResultsReporter : public benchmark::ConsoleReporter {
public:
    explicit ResultsReporter(std::ofstream* results) : results_(results) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        std::vector<Run> shown;
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate || run.repetitions <= 1)
                shown.push_back(run);
        if (!shown.empty())
            ConsoleReporter::ReportRuns(shown);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            std::ostringstream& out = lines_[run.family_index];
            out << "RESULT kalvora rules." << run.run_name.function_name << "_ns "
                << run.GetAdjustedRealTime() << '\n';
            const auto perMove = run.counters.find("time_per_move");
            if (perMove != run.counters.end())
                out << "RESULT kalvora rules.random_game_per_move_ns "
                    << perMove->second.value * 1e9 << '\n';
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        if (!results_)
            return;
        for (const auto& [family, text] : lines_)
            *results_ << text.str();
        results_->flush();
    }

private:
    std::ofstream* results_;
    std::map<std::int64_t, std::ostringstream> lines_;
};

} // namespace

int main(int argc, char* argv[]) {
    // Our one flag is taken out before Google Benchmark reads the rest.
    std::string resultsPath;
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const char* flag = "--results=";
        if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0) {
            resultsPath = argv[i] + std::strlen(flag);
            if (resultsPath.empty()) {
                std::fprintf(stderr,
                             "kalvora-rules-benchmark: argument %d: --results= needs a "
                             "file name\n",
                             i);
                return 2;
            }
        } else {
            rest.push_back(argv[i]);
        }
    }
    std::ofstream results;
    if (!resultsPath.empty()) {
        results.open(resultsPath, std::ios::app);
        if (!results) {
            std::fprintf(stderr, "kalvora-rules-benchmark: cannot write %s\n", resultsPath.c_str());
            return 2;
        }
    }

    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    if (benchmark::ReportUnrecognizedArguments(restCount, rest.data()))
        return 2;

    bool allocates = false;
    for (const MoveCase& move : moveCases()) {
        const long long perMove = allocationsPerMove(move, 10000);
        std::printf("allocations per %s move: %lld\n", move.name, perMove);
        if (results.is_open())
            results << "RESULT kalvora rules.allocs_per_" << move.name << "_move " << perMove
                    << '\n';
        allocates = allocates || perMove != 0;
    }
    std::fflush(stdout);
    if (allocates) {
        std::fprintf(stderr, "kalvora-rules-benchmark: a move allocates on the heap\n");
        return 1;
    }

    for (const MoveCase& move : moveCases())
        benchmark::RegisterBenchmark((std::string("move_") + move.name).c_str(), timeMove, move)
            ->Unit(benchmark::kNanosecond);
    benchmark::RegisterBenchmark("restore_only", timeRestoreOnly)->Unit(benchmark::kNanosecond);
    benchmark::RegisterBenchmark("random_game", timeRandomGame)->Unit(benchmark::kNanosecond);
    benchmark::RegisterBenchmark("clock_tick", timeClockTick)->Unit(benchmark::kNanosecond);

    ResultsReporter reporter(results.is_open() ? &results : nullptr);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
