// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and watches its main window on the X server; prints
// "RESULT LABEL METRIC VALUE" lines on standard output and notes starting
// with "#". Times are milliseconds from the exec of the program.
//
// Start-up: the picture is complete when every pixel of the window has been
// drawn at least once since it was mapped and nothing more has been drawn for
// --quiet ms; the time of that last drawing is the figure. Memory is read from
// /proc just after that, before the window is closed.

#include "child_program.h"
#include "control_layout.h"
#include "form1_procedures.h"
#include "game_state.h"
#include "null_display.h"
#include "probe_options.h"
#include "proc_reading.h"
#include "x_screen.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace probe {
namespace {

class Probe {
public:
    explicit Probe(const Options& options)
        : o_(options), screen_(options.windowSize, options.label, options.verbose) {}

    int run() {
        start();
        waitForCompletePicture();
        measureMemory();
        if (o_.idleSeconds > 0)
            idle();
        if (o_.clicks > 0)
            respond();
        close();
        return 0;
    }

private:
    void result(const char* metric, double value) {
        std::printf("RESULT %s %s %.4f\n", o_.label.c_str(), metric, value);
        std::fflush(stdout);
    }
    void note(const std::string& text) {
        std::printf("# %s: %s\n", o_.label.c_str(), text.c_str());
        std::fflush(stdout);
    }

    void start() {
        exec_ = Clock::now();
        screen_.setOrigin(exec_);
        startChild(o_.command, o_.childLog);
    }

    void waitForCompletePicture() {
        const Time deadline = after(exec_, o_.timeoutMs);
        if (!screen_.pumpUntil(deadline, [&] { return screen_.window() != 0; }))
            fail("no %dx%d window was mapped within %.0f ms", o_.windowSize.width(),
                 o_.windowSize.height(), o_.timeoutMs);

        // Which pixels have been drawn since the map.
        const QRect window(QPoint(0, 0), o_.windowSize);
        std::vector<char> drawn(static_cast<size_t>(window.width()) * window.height(), 0);
        size_t drawnCount = 0;
        size_t seen = 0;
        std::optional<Time> first, covered, last;
        const bool complete = screen_.pumpUntil(deadline, [&] {
            const auto& drawings = screen_.drawings();
            for (; seen < drawings.size(); ++seen) {
                const QRect r = drawings[seen].area & window;
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int x = r.left(); x <= r.right(); ++x) {
                        char& pixel = drawn[static_cast<size_t>(y) * window.width() + x];
                        drawnCount += pixel == 0;
                        pixel = 1;
                    }
                if (!first)
                    first = drawings[seen].at;
                if (!covered && drawnCount == drawn.size())
                    covered = drawings[seen].at;
                last = drawings[seen].at;
            }
            return covered && msBetween(*last, Clock::now()) >= o_.quietMs;
        });
        if (!complete)
            fail("the window's picture was not complete within %.0f ms (%zu of %zu pixels "
                 "drawn)",
                 o_.timeoutMs, drawnCount, drawn.size());
        result("startup.mapped_ms", msBetween(exec_, screen_.mappedAt()));
        result("startup.first_drawing_ms", msBetween(exec_, *first));
        result("startup.covered_ms", msBetween(exec_, *covered));
        result("startup.complete_ms", msBetween(exec_, *last));
        result("startup.drawings", static_cast<double>(screen_.drawings().size()));
        // CPU time is what the program itself spent, whatever else ran; the
        // wait is what a busy machine added to the elapsed time.
        ThreadCounters spent;
        for (const auto& [tid, t] : readThreads(childPid())) {
            spent.cpuNs += t.cpuNs;
            spent.waitNs += t.waitNs;
        }
        result("startup.cpu_ms", static_cast<double>(spent.cpuNs) / 1e6);
        result("startup.run_queue_wait_ms", static_cast<double>(spent.waitNs) / 1e6);
    }

    void measureMemory() {
        const Memory m = readMemory(childPid());
        result("memory.peak_rss_mb", m.peakRss);
        result("memory.anon_mb", m.anon);
        result("memory.file_mb", m.file);
        result("memory.shmem_mb", m.shmem);
    }

    // A tick is a burst of drawing; drawings less than this apart are one.
    static constexpr double kBurstGapMs = 100;

    static int bursts(const std::vector<Drawing>& drawings, size_t from, Time begin, Time end) {
        int count = 0;
        std::optional<Time> previous;
        for (size_t i = from; i < drawings.size(); ++i) {
            const Time at = drawings[i].at;
            if (at < begin || at >= end)
                continue;
            if (!previous || msBetween(*previous, at) > kBurstGapMs)
                ++count;
            previous = at;
        }
        return count;
    }

    void idle() {
        if (o_.startClick) {
            screen_.movePointer(*o_.startClick);
            screen_.sleepFor(50);
            screen_.click();
            if (o_.plan == ClickPlan::Game)
                mirror_.rules.new1_Click(); // --kalvora's start click is new1
        }
        screen_.parkPointer();
        screen_.waitQuiet({}, 300, 5000);

        // Line the readings up half a second after a tick, so each interval
        // holds exactly one; the first tick after the start is let go by.
        // Ticks that draw nothing cannot be seen: then every second counts.
        Time reading = after(Clock::now(), 1500);
        if (!o_.silentTicks) {
            auto nextDrawing = [&](const char* what) {
                const size_t seen = screen_.drawings().size();
                if (!screen_.pumpUntil(
                        after(Clock::now(), 3000), [&] { return screen_.drawings().size() > seen; },
                        3000))
                    fail("no clock tick drew anything within 3 s (%s)", what);
                return screen_.drawings()[seen].at;
            };
            nextDrawing("first tick");
            screen_.waitQuiet({}, kBurstGapMs, 2000);
            reading = after(nextDrawing("second tick"), 500);
        }

        const int intervals = o_.idleSeconds;
        screen_.pumpUntil(
            reading, [] { return false; }, 1000);
        auto before = readThreads(childPid());
        const auto first = before;
        const size_t firstDrawing = screen_.drawings().size();
        int irregular = 0;
        for (int i = 0; i < intervals; ++i) {
            const Time begin = reading;
            reading = after(reading, 1000);
            screen_.pumpUntil(
                reading, [] { return false; }, 1000);
            const auto now = readThreads(childPid());
            const int ticks =
                o_.silentTicks ? 1 : bursts(screen_.drawings(), firstDrawing, begin, reading);
            if (ticks == 1) {
                const ThreadCounters d = difference(before, now);
                result("idle.cpu_ms_per_tick", static_cast<double>(d.cpuNs) / 1e6);
                result("idle.wakeups_per_tick", static_cast<double>(d.switches));
            } else {
                ++irregular;
            }
            before = now;
        }

        // Where the ticks drew, and who woke up for them.
        QRect drawnArea;
        int outside = 0;
        const auto& drawings = screen_.drawings();
        for (size_t i = firstDrawing; i < drawings.size(); ++i) {
            drawnArea |= drawings[i].area;
            if (o_.allowed && !o_.allowed->contains(drawings[i].area))
                ++outside;
        }
        result("idle.drawings_outside_clock", outside);
        note("idle: " + std::to_string(drawings.size() - firstDrawing) + " drawings within " +
             rectText(drawnArea) +
             (o_.allowed ? " (allowed " + rectText(*o_.allowed) + ")" : std::string()) + "; " +
             std::to_string(irregular) + " of " + std::to_string(intervals) +
             " intervals without exactly one tick left out");
        const auto last = readThreads(childPid());
        std::string perThread =
            "idle wake-ups and CPU ms by thread over " + std::to_string(intervals) + " s:";
        for (const auto& [tid, now] : last) {
            const auto then = first.find(tid);
            const ThreadCounters was = then == first.end() ? ThreadCounters{} : then->second;
            char line[160];
            std::snprintf(line, sizeof line, " %s %lld/%.2f", now.name.c_str(),
                          now.switches - was.switches,
                          static_cast<double>(now.cpuNs - was.cpuNs) / 1e6);
            perThread += line;
        }
        note(perThread);
    }

    // A click's answer: everything drawn on the targets until they are quiet.
    struct Answer {
        double firstMs;
        double lastMs;
    };

    Answer clickAndWait(QPoint at, const std::string& what) {
        screen_.movePointer(at);
        // The hover highlight and any earlier answer are drawn and done.
        screen_.waitQuiet(o_.targets, 150, 2000);
        // Two clicks on one spot closer than the double-click time would be
        // a double click.
        const double sinceLast = msBetween(lastClick_, Clock::now());
        if (sinceLast < 500)
            screen_.sleepFor(500 - sinceLast);
        const size_t seen = screen_.drawings().size();
        const Time sent = screen_.click();
        lastClick_ = sent;
        std::optional<Time> first, last;
        size_t checked = seen;
        const bool answered = screen_.pumpUntil(after(sent, 2000), [&] {
            const auto& drawings = screen_.drawings();
            for (; checked < drawings.size(); ++checked)
                if (XScreen::touches(drawings[checked].area, o_.targets)) {
                    if (!first)
                        first = drawings[checked].at;
                    last = drawings[checked].at;
                }
            return last && msBetween(*last, Clock::now()) >= kBurstGapMs;
        });
        if (!answered || !first)
            fail("the click on %s drew nothing on the board within 2 s", what.c_str());
        return {msBetween(sent, *first), msBetween(sent, *last)};
    }

    void respond() {
        screen_.parkPointer();
        if (o_.plan == ClickPlan::Fixed) {
            for (int i = 0; i < o_.clicks; ++i) {
                const Answer a = clickAndWait(o_.clickAt, "the click point");
                result("response.click_ms", a.lastMs);
                result("response.click_first_ms", a.firstMs);
            }
            return;
        }

        std::mt19937 random(o_.seed);
        kalvora::GameState& state = mirror_.state;
        int moves = 0;
        while (moves < o_.clicks) {
            if (state.boardLocked) {
                const Answer a = clickAndWait(kalvora::layout::kNew1.toRect().center(), "new1");
                mirror_.rules.new1_Click();
                result("response.new_game_ms", a.lastMs);
                continue;
            }
            std::vector<int> legal;
            for (int p = kalvora::firstOwnPit(state.turn); p <= kalvora::lastOwnPit(state.turn);
                 ++p)
                if (state.pits(p) != 0)
                    legal.push_back(p);
            const int pit = legal[random() % legal.size()];
            const QPoint box = kalvora::layout::kBoxes[pit - 1].toRect().center();
            const Answer a = clickAndWait(box, "pit " + std::to_string(pit));
            mirror_.rules.angka_Click(pit);
            ++moves;
            result("response.click_ms", a.lastMs);
            result("response.click_first_ms", a.firstMs);
        }
    }

    void close() {
        screen_.closeWindow();
        waitForChildSuccess(5);
    }

    // Kalvora's rules run here beside the window, so that every click is a
    // legal move; a finished game is followed by new1.
    struct Mirror {
        kalvora::GameState state;
        kalvora::NullDisplay display;
        kalvora::Form1Procedures rules{state, display};
        Mirror() { rules.Form_Load(); }
    };

    const Options& o_;
    XScreen screen_;
    Mirror mirror_;
    Time exec_;
    Time lastClick_;
};

} // namespace
} // namespace probe

int main(int argc, char* argv[]) {
    const probe::Options options = probe::parseOptions(argc, argv);
    return probe::Probe(options).run();
}
