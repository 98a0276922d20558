// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and watches its 400 x 300 window from a connection of its
// own to the X server: what the server shows, not what the program believes
// it drew. Every new top-level window gets a DAMAGE object reporting raw
// rectangles, each drawing timed as it arrives; the pointer is warped and the
// buttons pressed through XTEST. CPU time, waits and wake-ups come from each
// thread's /proc counters, memory from /proc/PID/status. Times count from the
// start of the program.

#include "bench.h"
#include "control_layout.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegion>

#include <xcb/damage.h>
#include <xcb/xtest.h>

#include <dirent.h>
#include <poll.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>

namespace bench {
namespace {

using Time = Clock::time_point;
using namespace std::chrono_literals;
double msBetween(Time from, Time to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

constexpr QRect kWindow = kalvora::layout::kForm1.toRect();
constexpr double kQuietMs = 200;    // nothing drawn this long once covered: the picture is complete
constexpr double kBurstGapMs = 100; // drawings closer than this are one tick or one answer

// A failure unwinds to probeWindow; the Probe ends the program on the way.
[[noreturn]] void fail(const std::string& why) {
    throw std::runtime_error(why);
}

// A field of a /proc status file; -1 when it is missing.
long long field(const std::string& path, const std::string& name) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    const std::string status = "\n" + text.str();
    const size_t at = status.find("\n" + name + ":");
    return at == std::string::npos ? -1 : std::atoll(status.c_str() + at + name.size() + 2);
}

// Summed over the threads alive; none ends while the window idles.
struct Counters {
    long long cpuNs = 0, waitNs = 0, wakeups = 0; // a wait is time the machine's load added
};

Counters readThreads(qint64 pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task/";
    DIR* dir = opendir(tasks.c_str());
    if (!dir)
        fail("cannot read " + tasks + ": the program is gone");
    Counters sum;
    while (const dirent* entry = readdir(dir)) {
        const std::string task = tasks + entry->d_name;
        long long cpuNs = 0, waitNs = 0;
        if (entry->d_name[0] == '.' || !(std::ifstream(task + "/schedstat") >> cpuNs >> waitNs))
            continue;
        sum.cpuNs += cpuNs;
        sum.waitNs += waitNs;
        sum.wakeups += field(task + "/status", "voluntary_ctxt_switches") +
                       field(task + "/status", "nonvoluntary_ctxt_switches");
    }
    closedir(dir);
    return sum;
}

struct Drawing {
    Time at;
    QRect area;
};

class Probe {
public:
    Probe(const std::string& label, bool game) : label_(label), game_(game) {
        if (game) {
            targets_.clear();
            for (const auto& box : kalvora::layout::kBoxes)
                targets_.push_back(box.toRect());
        }
        if (xcb_connection_has_error(connection_))
            fail("cannot open the X display");
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        root_ = screen->root;
        corner_ = QPoint(screen->width_in_pixels - 1, screen->height_in_pixels - 1);
        const auto* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
        const auto* xtest = xcb_get_extension_data(connection_, &xcb_test_id);
        if (!damage || !damage->present || !xtest || !xtest->present)
            fail("the X server lacks the DAMAGE or the XTEST extension");
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(connection_,
                                            xcb_damage_query_version(connection_, 1, 1), nullptr));
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    }

    ~Probe() {
        process_.kill();
        process_.waitForFinished();
    }

    // The first complete picture: every pixel drawn at least once since the
    // map, then nothing drawn for kQuietMs; the time of the last drawing.
    double start(const std::vector<std::string>& command) {
        QStringList words;
        for (const std::string& word : command)
            words << QString::fromStdString(word);
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const Time start = Clock::now();
        process_.start(words.takeFirst(), words);
        if (!process_.waitForStarted(10000))
            fail("cannot start " + command[0] + ": " + process_.errorString().toStdString());
        const Time deadline = start + 20000ms;
        if (!pump(deadline, [&] { return window_ != 0; }))
            fail("no 400x300 window was mapped within 20 s");
        QRegion undrawn(kWindow);
        size_t seen = 0;
        std::optional<Time> last;
        const bool complete = pump(deadline, [&] {
            for (; seen < drawings_.size(); last = drawings_[seen++].at)
                undrawn -= drawings_[seen].area;
            return undrawn.isEmpty() && msBetween(*last, Clock::now()) >= kQuietMs;
        });
        if (!complete)
            fail("the picture was not complete within 20 s");
        return msBetween(start, *last);
    }

    void measureStartup(double completeMs) {
        result(label_, "startup.complete_ms", completeMs);
        // CPU time is what the program spent, whatever else ran; the wait is
        // what a busy machine added to the elapsed time.
        const Counters spent = readThreads(process_.processId());
        result(label_, "startup.cpu_ms", static_cast<double>(spent.cpuNs) / 1e6);
        result(label_, "startup.run_queue_wait_ms", static_cast<double>(spent.waitNs) / 1e6);
        const std::string status = "/proc/" + std::to_string(process_.processId()) + "/status";
        for (const std::string kernel : {"VmHWM", "RssAnon", "RssFile", "RssShmem"})
            result(label_, "memory." + kernel + "_mb",
                   static_cast<double>(field(status, kernel)) / 1024);
    }

    // One-second intervals lined up half a second after a tick, so that each
    // holds one; one without exactly one burst of drawing is left out. Ticks
    // that draw nothing cannot be seen: then every second counts.
    void idle(int seconds, bool silent) {
        if (game_) { // the clock runs once a game is started
            click(kalvora::layout::kNew1.toRect().center());
            mirror_.procedures.new1_Click();
        }
        movePointer(corner_, root_);
        lastDrawing({}, 300, 5s);
        Time reading = Clock::now() + 1500ms;
        if (!silent) { // the first tick goes by, the second sets the pace
            lastDrawing({}, kBurstGapMs, 3s, true);
            const std::optional<Time> tick = lastDrawing({}, kBurstGapMs, 3s, true);
            if (!tick)
                fail("no clock tick drew anything within 3 s");
            reading = *tick + 500ms;
        }
        sleepUntil(reading);
        Counters before = readThreads(process_.processId());
        const size_t first = drawings_.size();
        int irregular = 0;
        for (int i = 0; i < seconds; ++i, reading += 1s) {
            sleepUntil(reading + 1000ms);
            const Counters now = readThreads(process_.processId());
            const Counters spent{now.cpuNs - before.cpuNs, 0, now.wakeups - before.wakeups};
            before = now;
            if (!silent && bursts(first, reading, reading + 1000ms) != 1) {
                ++irregular;
                continue;
            }
            result(label_, silent ? "idle.silent_tick_cpu_ms" : "idle.cpu_ms_per_tick",
                   static_cast<double>(spent.cpuNs) / 1e6);
            result(label_, silent ? "idle.silent_tick_wakeups" : "idle.wakeups_per_tick",
                   static_cast<double>(spent.wakeups));
        }
        int outside = 0;
        for (size_t i = first; i < drawings_.size(); ++i)
            outside += !kalvora::layout::kTimelbl.toRect().contains(drawings_[i].area);
        if (!silent)
            result(label_, "idle.drawings_outside_clock", outside);
        std::printf("# %s: %d of %d idle seconds without exactly one tick left out\n",
                    label_.c_str(), irregular, seconds);
    }

    // Clicks to the last pixel drawn on the targets; the rules run beside the
    // window so that every click on Kalvora is a legal move, with new1 after a
    // finished game.
    void respond(int clicks) {
        movePointer(corner_, root_);
        kalvora::GameState& state = mirror_.state;
        std::mt19937 random(1);
        for (int moves = 0; moves < clicks; ++moves) {
            if (!game_) {
                result(label_, "response.click_ms", click(kBareClickCounter.center()));
                continue;
            }
            if (state.boardLocked) {
                result(label_, "response.new_game_ms",
                       click(kalvora::layout::kNew1.toRect().center()));
                mirror_.procedures.new1_Click();
            }
            std::vector<int> legal;
            for (int p = kalvora::firstOwnPit(state.turn); p <= kalvora::lastOwnPit(state.turn);
                 ++p)
                if (state.pits(p) != 0)
                    legal.push_back(p);
            const int pit = legal[random() % legal.size()];
            result(label_, "response.click_ms",
                   click(kalvora::layout::kBoxes[kalvora::slot(pit)].toRect().center()));
            mirror_.procedures.angka_Click(pit);
        }
    }

private:
    void sleepUntil(Time t) {
        pump(
            t, [] { return false; }, 1000);
    }

    int bursts(size_t from, Time begin, Time end) const {
        int count = 0;
        std::optional<Time> previous;
        for (size_t i = from; i < drawings_.size(); ++i)
            if (drawings_[i].at >= begin && drawings_[i].at < end) {
                count += !previous || msBetween(*previous, drawings_[i].at) > kBurstGapMs;
                previous = drawings_[i].at;
            }
        return count;
    }

    // The pointer is brought over first and its hover drawn and done; two
    // clicks on one spot closer than the double-click time would be one.
    double click(QPoint at) {
        movePointer(at, window_);
        lastDrawing(targets_, 150, 5s);
        sleepUntil(lastClick_ + 500ms);
        xcb_test_fake_input(connection_, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, root_, 0, 0, 0);
        xcb_test_fake_input(connection_, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, root_, 0, 0, 0);
        const Time sent = lastClick_ = Clock::now();
        const std::optional<Time> last = lastDrawing(targets_, kBurstGapMs, 2000ms, true);
        if (!last)
            fail("a click drew nothing on its target within 2 s");
        return msBetween(sent, *last);
    }

    // The last drawing on `area` (empty: anywhere) before nothing more is
    // drawn there for `quietMs`, given up after `within`; with `needed`, the
    // quiet only counts after a drawing.
    std::optional<Time> lastDrawing(const std::vector<QRect>& area, double quietMs,
                                    std::chrono::milliseconds within, bool needed = false) {
        const Time from = Clock::now();
        std::optional<Time> last;
        size_t seen = drawings_.size();
        const bool quiet = pump(from + within, [&] {
            for (; seen < drawings_.size(); ++seen)
                if (area.empty() || std::any_of(area.begin(), area.end(), [&](const QRect& a) {
                        return a.intersects(drawings_[seen].area);
                    }))
                    last = drawings_[seen].at;
            return (last || !needed) && msBetween(last.value_or(from), Clock::now()) >= quietMs;
        });
        return quiet ? last : std::nullopt;
    }

    void movePointer(QPoint p, xcb_window_t in) {
        xcb_warp_pointer(connection_, XCB_NONE, in, 0, 0, 0, 0, static_cast<int16_t>(p.x()),
                         static_cast<int16_t>(p.y()));
        xcb_flush(connection_);
    }

    // Handles X events until `done` holds (true) or the deadline passes;
    // `wakeMs` bounds each sleep so that conditions on time are seen.
    bool pump(Time deadline, const std::function<bool()>& done, double wakeMs = 5) {
        xcb_flush(connection_);
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                handle(event, Clock::now());
                free(event);
            }
            if (xcb_connection_has_error(connection_))
                fail("the X connection broke");
            if (done())
                return true;
            if (process_.waitForFinished(0))
                fail("the program ended early, status " + std::to_string(process_.exitCode()));
            const Time now = Clock::now();
            if (now >= deadline)
                return false;
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&fd, 1,
                 static_cast<int>(std::max(1.0, std::min(msBetween(now, deadline), wakeMs))));
        }
    }

    void handle(xcb_generic_event_t* event, Time now) {
        const uint8_t type = event->response_type & 0x7f;
        if (type == damageEvent_) {
            const auto* e = reinterpret_cast<xcb_damage_notify_event_t*>(event);
            if (window_ != 0 && e->drawable == window_)
                drawings_.push_back({now, {e->area.x, e->area.y, e->area.width, e->area.height}});
        } else if (type == XCB_CREATE_NOTIFY) {
            const auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event);
            if (e->parent != root_ || e->override_redirect)
                return;
            sizes_[e->window] = QSize(e->width, e->height);
            // Raw rectangles: one event per drawing, none merged or withheld.
            xcb_damage_create(connection_, xcb_generate_id(connection_), e->window,
                              XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
            xcb_flush(connection_);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (window_ == 0 && sizes_.count(e->window) && sizes_[e->window] == kWindow.size())
                window_ = e->window;
        }
    }

    std::string label_;
    bool game_;
    std::vector<QRect> targets_ = {kBareClickCounter};
    QProcess process_;
    Table mirror_;
    xcb_connection_t* connection_ = xcb_connect(nullptr, nullptr);
    xcb_window_t root_ = 0, window_ = 0;
    QPoint corner_;
    uint8_t damageEvent_ = 0;
    std::map<xcb_window_t, QSize> sizes_;
    std::vector<Drawing> drawings_;
    Time lastClick_;
};

} // namespace

int probeWindow(Watch watch, const std::string& label, int count, bool game,
                const std::vector<std::string>& command) {
    int argc = 1;
    char name[] = "kalvora-bench";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv); // QProcess watches its child through it
    try {
        Probe probe(label, game);
        const double completeMs = probe.start(command);
        if (watch == Watch::Startup)
            probe.measureStartup(completeMs);
        else if (watch == Watch::Clicks)
            probe.respond(count);
        else
            probe.idle(count, watch == Watch::SilentIdle);
        return 0;
    } catch (const std::runtime_error& failure) {
        std::fprintf(stderr, "kalvora-bench: %s\n", failure.what());
        return 1;
    }
}

} // namespace bench
