// Starts a program and watches its main window from a connection of its own:
// what the X server shows, not what the program believes it drew. Each new
// child of the root gets a DAMAGE object, so every drawing into the window is
// seen with its rectangle and the time it arrived.
//
//   kalvora-window-probe [options] -- PROGRAM [ARGUMENT...]
//
// It prints "RESULT LABEL METRIC VALUE" lines on standard output and notes
// starting with "#". Times are milliseconds from the exec of the program.
//
// Start-up: the picture is complete when every pixel of the window has been
// drawn at least once since it was mapped and nothing more has been drawn for
// --quiet ms; the time of that last drawing is the figure. Memory is read from
// /proc just after that, before the window is closed.

#include "control_layout.h"
#include "form1_procedures.h"
#include "game_state.h"
#include "null_display.h"

#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Time = Clock::time_point;

double msBetween(Time from, Time to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}
Time after(Time from, double ms) {
    return from + std::chrono::duration_cast<Clock::duration>(
                      std::chrono::duration<double, std::milli>(ms));
}

pid_t childPid = 0;

[[noreturn]] void fail(const char* format, ...) {
    std::fprintf(stderr, "kalvora-window-probe: ");
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fprintf(stderr, "\n");
    if (childPid > 0) {
        kill(childPid, SIGKILL);
        waitpid(childPid, nullptr, 0);
    }
    std::exit(1);
}

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    bool contains(const Rect& r) const {
        return r.x >= x && r.y >= y && r.x + r.w <= x + w && r.y + r.h <= y + h;
    }
    bool intersects(const Rect& r) const {
        return r.x < x + w && x < r.x + r.w && r.y < y + h && y < r.y + r.h;
    }
    Point centre() const { return {x + w / 2, y + h / 2}; }
    Rect united(const Rect& r) const {
        if (w == 0 || h == 0)
            return r;
        const int left = std::min(x, r.x);
        const int top = std::min(y, r.y);
        return {left, top, std::max(x + w, r.x + r.w) - left, std::max(y + h, r.y + r.h) - top};
    }
    std::string text() const {
        return std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(w) + "," +
               std::to_string(h);
    }
};

Rect fromQRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

// ---- options ---------------------------------------------------------------

enum class ClickPlan { None, Game, Fixed };

struct Options {
    std::string label = "program";
    int width = 400;
    int height = 300;
    double quietMs = 200;
    double timeoutMs = 20000;
    double idleSeconds = 0;
    std::optional<Point> startClick;
    std::optional<Rect> allowed;
    bool silentTicks = false;
    int clicks = 0;
    ClickPlan plan = ClickPlan::None;
    Point clickAt;
    std::vector<Rect> targets;
    unsigned seed = 1;
    bool verbose = false;
    std::string childLog;
    std::vector<char*> command;
};

void usage() {
    std::fprintf(stderr,
                 "usage: kalvora-window-probe [options] -- PROGRAM [ARGUMENT...]\n"
                 "  --label NAME          names the program on each RESULT line\n"
                 "  --size WxH            size of the window to watch (400x300)\n"
                 "  --quiet MS            no drawing for this long: picture complete (200)\n"
                 "  --timeout MS          give up on a picture after this long (20000)\n"
                 "  --child-log FILE      the program's output goes here\n"
                 "  --idle SECONDS        then idle this long, measured tick by tick\n"
                 "  --start-click X,Y     click here before idling (window pixels)\n"
                 "  --allowed X,Y,W,H     a tick may draw only inside this rectangle\n"
                 "  --silent-ticks        the ticks draw nothing: read every second as one\n"
                 "  --clicks N            then time N clicks, click to last pixel\n"
                 "  --click-at X,Y        ... all at this point,\n"
                 "  --target X,Y,W,H      ... counting drawing here (repeatable)\n"
                 "  --kalvora             the program is Kalvora: new1 starts the game, the\n"
                 "                        clock label is the allowed rectangle, and clicks\n"
                 "                        are legal moves on the pits, with new1 between games\n"
                 "  --seed N              seed of the choice among legal moves (1)\n"
                 "  --verbose             a note for every drawing seen\n");
}

// Each parse names the argument it could not read.
struct ArgumentReader {
    int argc;
    char** argv;
    int index = 1;

    const char* value(const char* flag) {
        if (index + 1 >= argc)
            badArgument(index, flag, "needs a value");
        return argv[++index];
    }
    [[noreturn]] void badArgument(int at, const char* flag, const char* why) {
        std::fprintf(stderr, "kalvora-window-probe: argument %d (%s): %s\n", at, flag, why);
        usage();
        std::exit(2);
    }
    std::vector<long> numbers(const char* flag, size_t count, char separator) {
        const char* text = value(flag);
        std::vector<long> out;
        const char* p = text;
        while (true) {
            char* end = nullptr;
            const long n = std::strtol(p, &end, 10);
            if (end == p)
                break;
            out.push_back(n);
            p = end;
            if (*p != separator)
                break;
            ++p;
        }
        if (out.size() != count || *p != '\0') {
            const std::string why = std::string("expected ") + std::to_string(count) +
                                    " whole numbers separated by '" + separator + "', got '" +
                                    text + "'";
            badArgument(index, flag, why.c_str());
        }
        return out;
    }
    double positive(const char* flag, bool zeroAllowed) {
        const char* text = value(flag);
        char* end = nullptr;
        const double n = std::strtod(text, &end);
        if (end == text || *end != '\0' || n < 0 || (!zeroAllowed && n == 0)) {
            const std::string why = std::string("expected a ") +
                                    (zeroAllowed ? "non-negative" : "positive") + " number, got '" +
                                    text + "'";
            badArgument(index, flag, why.c_str());
        }
        return n;
    }
};

Options parseOptions(int argc, char** argv) {
    Options o;
    ArgumentReader in{argc, argv};
    bool kalvora = false;
    for (; in.index < argc; ++in.index) {
        const char* flag = argv[in.index];
        auto is = [flag](const char* name) { return std::strcmp(flag, name) == 0; };
        if (is("--")) {
            o.command.assign(argv + in.index + 1, argv + argc);
            break;
        } else if (is("--label")) {
            o.label = in.value(flag);
        } else if (is("--size")) {
            const auto n = in.numbers(flag, 2, 'x');
            o.width = static_cast<int>(n[0]);
            o.height = static_cast<int>(n[1]);
            if (o.width <= 0 || o.height <= 0 || o.width > 8192 || o.height > 8192)
                in.badArgument(in.index, flag, "the size must lie between 1x1 and 8192x8192");
        } else if (is("--quiet")) {
            o.quietMs = in.positive(flag, false);
        } else if (is("--timeout")) {
            o.timeoutMs = in.positive(flag, false);
        } else if (is("--child-log")) {
            o.childLog = in.value(flag);
        } else if (is("--idle")) {
            o.idleSeconds = in.positive(flag, true);
            if (o.idleSeconds != static_cast<int>(o.idleSeconds))
                in.badArgument(in.index, flag, "a whole number of seconds, one tick each");
        } else if (is("--start-click")) {
            const auto n = in.numbers(flag, 2, ',');
            o.startClick = Point{static_cast<int>(n[0]), static_cast<int>(n[1])};
        } else if (is("--allowed")) {
            const auto n = in.numbers(flag, 4, ',');
            o.allowed = Rect{static_cast<int>(n[0]), static_cast<int>(n[1]), static_cast<int>(n[2]),
                             static_cast<int>(n[3])};
        } else if (is("--silent-ticks")) {
            o.silentTicks = true;
        } else if (is("--clicks")) {
            const double n = in.positive(flag, true);
            if (n != static_cast<int>(n) || n > 100000)
                in.badArgument(in.index, flag, "a whole number of clicks up to 100000");
            o.clicks = static_cast<int>(n);
        } else if (is("--click-at")) {
            const auto n = in.numbers(flag, 2, ',');
            o.clickAt = Point{static_cast<int>(n[0]), static_cast<int>(n[1])};
            o.plan = ClickPlan::Fixed;
        } else if (is("--target")) {
            const auto n = in.numbers(flag, 4, ',');
            o.targets.push_back(Rect{static_cast<int>(n[0]), static_cast<int>(n[1]),
                                     static_cast<int>(n[2]), static_cast<int>(n[3])});
        } else if (is("--kalvora")) {
            kalvora = true;
        } else if (is("--seed")) {
            const auto n = in.numbers(flag, 1, ',');
            o.seed = static_cast<unsigned>(n[0]);
        } else if (is("--verbose")) {
            o.verbose = true;
        } else if (is("--help")) {
            usage();
            std::exit(0);
        } else {
            in.badArgument(in.index, flag, "unknown option");
        }
    }
    if (o.command.empty())
        in.badArgument(argc - 1, "--", "no program to start after '--'");

    if (kalvora) {
        using namespace kalvora::layout;
        if (o.plan == ClickPlan::Fixed || o.startClick)
            in.badArgument(argc - 1, "--kalvora", "cannot go with --click-at or --start-click");
        o.plan = ClickPlan::Game;
        o.startClick = fromQRect(kNew1.toRect()).centre();
        if (!o.allowed)
            o.allowed = fromQRect(kTimelbl.toRect());
        if (o.targets.empty())
            for (const Twips& box : kBoxes)
                o.targets.push_back(fromQRect(box.toRect()));
    }
    if (o.clicks > 0 && o.plan == ClickPlan::None)
        in.badArgument(argc - 1, "--clicks", "needs --click-at or --kalvora to know where");
    if (o.clicks > 0 && o.targets.empty())
        in.badArgument(argc - 1, "--clicks", "needs a --target where the answer is drawn");
    return o;
}

// ---- /proc -------------------------------------------------------------------

struct ThreadCounters {
    long long cpuNs = 0;
    long long waitNs = 0;   // runnable but waiting for a CPU: the machine's load
    long long switches = 0; // voluntary and involuntary: each is a wake-up
    std::string name;
};

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

long long statusField(const std::string& status, const char* field) {
    const std::string key = std::string("\n") + field + ":";
    const size_t at = status.find(key);
    if (at == std::string::npos)
        return -1;
    return std::atoll(status.c_str() + at + key.size());
}

std::map<int, ThreadCounters> readThreads(pid_t pid) {
    std::map<int, ThreadCounters> threads;
    const std::string taskDir = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(taskDir.c_str());
    if (!dir)
        fail("cannot read %s: the program is gone", taskDir.c_str());
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string base = taskDir + "/" + entry->d_name;
        ThreadCounters t;
        std::istringstream(readFile(base + "/schedstat")) >> t.cpuNs >> t.waitNs;
        const std::string status = "\n" + readFile(base + "/status");
        t.switches = statusField(status, "voluntary_ctxt_switches") +
                     statusField(status, "nonvoluntary_ctxt_switches");
        t.name = readFile(base + "/comm");
        if (!t.name.empty() && t.name.back() == '\n')
            t.name.pop_back();
        threads[std::atoi(entry->d_name)] = t;
    }
    closedir(dir);
    return threads;
}

// What the threads did between two readings; a thread born in between counts
// from zero, one that died in between is lost (none does while idling).
ThreadCounters difference(const std::map<int, ThreadCounters>& before,
                          const std::map<int, ThreadCounters>& after) {
    ThreadCounters sum;
    for (const auto& [tid, now] : after) {
        const auto then = before.find(tid);
        sum.cpuNs += now.cpuNs - (then == before.end() ? 0 : then->second.cpuNs);
        sum.switches += now.switches - (then == before.end() ? 0 : then->second.switches);
    }
    return sum;
}

// ---- the X side ----------------------------------------------------------------

struct Drawing {
    Time at;
    Rect area;
};

class Screen {
public:
    explicit Screen(const Options& options) : options_(options) {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_))
            fail("cannot open the X display '%s'",
                 std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "(unset)");
        const xcb_setup_t* setup = xcb_get_setup(connection_);
        xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
        root_ = screen->root;
        rootWidth_ = screen->width_in_pixels;
        rootHeight_ = screen->height_in_pixels;

        const xcb_query_extension_reply_t* damage =
            xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present)
            fail("the X server has no DAMAGE extension");
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(connection_,
                                            xcb_damage_query_version(connection_, 1, 1), nullptr));
        const xcb_query_extension_reply_t* xtest =
            xcb_get_extension_data(connection_, &xcb_test_id);
        if (!xtest || !xtest->present)
            fail("the X server has no XTEST extension");

        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~Screen() { xcb_disconnect(connection_); }

    xcb_window_t window() const { return window_; }
    Time mappedAt() const { return mappedAt_; }
    const std::vector<Drawing>& drawings() const { return drawings_; }
    void setOrigin(Time origin) { origin_ = origin; }
    void forgetDrawings() { drawings_.clear(); }

    // Handles events until `done` holds or the deadline passes; false then.
    // `wakeMs` bounds each sleep so that time-based conditions are seen.
    bool pumpUntil(Time deadline, const std::function<bool()>& done, double wakeMs = 5) {
        while (!done()) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                handle(event, Clock::now());
                free(event);
            }
            if (xcb_connection_has_error(connection_))
                fail("the X connection broke");
            if (done())
                return true;
            checkChildAlive();
            const Time now = Clock::now();
            if (now >= deadline)
                return false;
            const double left = std::min(msBetween(now, deadline), wakeMs);
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(std::max(1.0, left)));
        }
        return true;
    }

    void sleepFor(double ms) {
        pumpUntil(
            after(Clock::now(), ms), [] { return false; }, ms);
    }

    // Drawing that ended: nothing new on the watched area for `quietMs`.
    bool waitQuiet(const std::vector<Rect>& area, double quietMs, double timeoutMs) {
        const Time start = Clock::now();
        Time last = start;
        size_t seen = drawings_.size();
        return pumpUntil(after(start, timeoutMs), [&] {
            for (; seen < drawings_.size(); ++seen)
                if (touches(drawings_[seen].area, area))
                    last = drawings_[seen].at;
            return msBetween(last, Clock::now()) >= quietMs;
        });
    }

    static bool touches(const Rect& r, const std::vector<Rect>& area) {
        return area.empty() || std::any_of(area.begin(), area.end(),
                                           [&](const Rect& a) { return a.intersects(r); });
    }

    Point toRoot(Point p) {
        auto* reply = xcb_translate_coordinates_reply(
            connection_,
            xcb_translate_coordinates(connection_, window_, root_, static_cast<int16_t>(p.x),
                                      static_cast<int16_t>(p.y)),
            nullptr);
        if (!reply)
            fail("cannot place a point of the window on the screen");
        const Point out{reply->dst_x, reply->dst_y};
        free(reply);
        return out;
    }

    // The pointer goes there first, as a hand would bring it.
    void movePointer(Point window) { moveRoot(toRoot(window)); }
    void parkPointer() { moveRoot({rootWidth_ - 1, rootHeight_ - 1}); }

    // Press and release through XTEST, the same request xdotool sends.
    Time click() {
        xcb_test_fake_input(connection_, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, root_, 0, 0, 0);
        xcb_test_fake_input(connection_, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, root_, 0, 0, 0);
        const Time sent = Clock::now();
        xcb_flush(connection_);
        return sent;
    }

    void closeWindow() {
        const xcb_atom_t protocols = atom("WM_PROTOCOLS");
        const xcb_atom_t deleteWindow = atom("WM_DELETE_WINDOW");
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window_;
        message.type = protocols;
        message.data.data32[0] = deleteWindow;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection_, 0, window_, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection_);
    }

private:
    struct Watched {
        int width = 0;
        int height = 0;
    };

    void handle(xcb_generic_event_t* event, Time now) {
        const uint8_t type = event->response_type & 0x7f;
        if (type == 0)
            return; // a damage object on a window already gone: harmless
        if (type == damageEvent_) {
            const auto* e = reinterpret_cast<xcb_damage_notify_event_t*>(event);
            if (window_ == 0 || e->drawable != window_)
                return;
            drawings_.push_back({now, {e->area.x, e->area.y, e->area.width, e->area.height}});
            if (options_.verbose)
                std::printf("# %s: %.3f ms: drawing %s\n", options_.label.c_str(),
                            msBetween(origin_, now), drawings_.back().area.text().c_str());
            return;
        }
        switch (type) {
        case XCB_CREATE_NOTIFY: {
            const auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event);
            if (e->parent != root_ || e->override_redirect)
                return;
            watched_[e->window] = {e->width, e->height};
            // Raw rectangles: one event per drawing, none merged or withheld.
            xcb_damage_create(connection_, xcb_generate_id(connection_), e->window,
                              XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
            xcb_flush(connection_);
            return;
        }
        case XCB_CONFIGURE_NOTIFY: {
            const auto* e = reinterpret_cast<xcb_configure_notify_event_t*>(event);
            const auto w = watched_.find(e->window);
            if (w != watched_.end())
                w->second = {e->width, e->height};
            return;
        }
        case XCB_MAP_NOTIFY: {
            const auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event);
            const auto w = watched_.find(e->window);
            if (window_ == 0 && w != watched_.end() && w->second.width == options_.width &&
                w->second.height == options_.height) {
                window_ = e->window;
                mappedAt_ = now;
                if (options_.verbose)
                    std::printf("# %s: %.3f ms: window mapped\n", options_.label.c_str(),
                                msBetween(origin_, now));
            }
            return;
        }
        case XCB_DESTROY_NOTIFY: {
            const auto* e = reinterpret_cast<xcb_destroy_notify_event_t*>(event);
            watched_.erase(e->window);
            return;
        }
        default:
            return;
        }
    }

    void checkChildAlive() {
        int status = 0;
        if (childPid > 0 && waitpid(childPid, &status, WNOHANG) == childPid) {
            childPid = 0;
            fail("the program ended early (%s %d)", WIFEXITED(status) ? "exit status" : "signal",
                 WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status));
        }
    }

    void moveRoot(Point p) {
        xcb_test_fake_input(connection_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root_,
                            static_cast<int16_t>(p.x), static_cast<int16_t>(p.y), 0);
        xcb_flush(connection_);
    }

    xcb_atom_t atom(const char* name) {
        auto* reply = xcb_intern_atom_reply(
            connection_,
            xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr);
        if (!reply)
            fail("cannot intern the atom %s", name);
        const xcb_atom_t a = reply->atom;
        free(reply);
        return a;
    }

    const Options& options_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    int rootWidth_ = 0;
    int rootHeight_ = 0;
    uint8_t damageEvent_ = 0;
    std::map<xcb_window_t, Watched> watched_;
    xcb_window_t window_ = 0;
    Time mappedAt_;
    Time origin_ = Clock::now();
    std::vector<Drawing> drawings_;
};

// ---- the measurements ------------------------------------------------------------

class Probe {
public:
    explicit Probe(const Options& options) : o_(options), screen_(options) {}

    int run() {
        start();
        waitForCompletePicture();
        readMemory();
        if (o_.idleSeconds > 0)
            idle();
        if (o_.clicks > 0)
            respond();
        return close();
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
        childPid = fork();
        if (childPid < 0)
            fail("cannot fork: %s", std::strerror(errno));
        if (childPid == 0) {
            if (!o_.childLog.empty()) {
                const int fd = open(o_.childLog.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
                if (fd < 0) {
                    std::fprintf(stderr, "kalvora-window-probe: cannot write %s: %s\n",
                                 o_.childLog.c_str(), std::strerror(errno));
                    _exit(126);
                }
                dup2(fd, 1);
                dup2(fd, 2);
            }
            execvp(o_.command[0], o_.command.data());
            std::fprintf(stderr, "kalvora-window-probe: cannot start %s: %s\n", o_.command[0],
                         std::strerror(errno));
            _exit(127);
        }
    }

    void waitForCompletePicture() {
        const Time deadline = after(exec_, o_.timeoutMs);
        if (!screen_.pumpUntil(deadline, [&] { return screen_.window() != 0; }))
            fail("no %dx%d window was mapped within %.0f ms", o_.width, o_.height, o_.timeoutMs);

        // Which pixels have been drawn since the map.
        std::vector<char> drawn(static_cast<size_t>(o_.width) * o_.height, 0);
        size_t drawnCount = 0;
        size_t seen = 0;
        std::optional<Time> first, covered, last;
        const bool complete = screen_.pumpUntil(deadline, [&] {
            const auto& drawings = screen_.drawings();
            for (; seen < drawings.size(); ++seen) {
                const Rect& r = drawings[seen].area;
                for (int y = std::max(0, r.y); y < std::min(o_.height, r.y + r.h); ++y)
                    for (int x = std::max(0, r.x); x < std::min(o_.width, r.x + r.w); ++x) {
                        char& pixel = drawn[static_cast<size_t>(y) * o_.width + x];
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
        for (const auto& [tid, t] : readThreads(childPid)) {
            spent.cpuNs += t.cpuNs;
            spent.waitNs += t.waitNs;
        }
        result("startup.cpu_ms", static_cast<double>(spent.cpuNs) / 1e6);
        result("startup.run_queue_wait_ms", static_cast<double>(spent.waitNs) / 1e6);
    }

    void readMemory() {
        const std::string status = "\n" + readFile("/proc/" + std::to_string(childPid) + "/status");
        auto mb = [&](const char* field) {
            const long long kb = statusField(status, field);
            if (kb < 0)
                fail("/proc/%d/status has no %s", childPid, field);
            return static_cast<double>(kb) / 1024.0;
        };
        result("memory.peak_rss_mb", mb("VmHWM"));
        result("memory.anon_mb", mb("RssAnon"));
        result("memory.file_mb", mb("RssFile"));
        result("memory.shmem_mb", mb("RssShmem"));
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
        // Out of the window, so that no hover or tooltip is drawn.
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

        const int intervals = static_cast<int>(o_.idleSeconds);
        screen_.pumpUntil(
            reading, [] { return false; }, 1000);
        auto before = readThreads(childPid);
        const auto first = before;
        const size_t firstDrawing = screen_.drawings().size();
        int irregular = 0;
        for (int i = 0; i < intervals; ++i) {
            const Time begin = reading;
            reading = after(reading, 1000);
            screen_.pumpUntil(
                reading, [] { return false; }, 1000);
            const auto now = readThreads(childPid);
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
        Rect drawnArea;
        int outside = 0;
        const auto& drawings = screen_.drawings();
        for (size_t i = firstDrawing; i < drawings.size(); ++i) {
            drawnArea = drawnArea.united(drawings[i].area);
            if (o_.allowed && !o_.allowed->contains(drawings[i].area))
                ++outside;
        }
        result("idle.drawings_outside_clock", outside);
        note("idle: " + std::to_string(drawings.size() - firstDrawing) + " drawings within " +
             drawnArea.text() +
             (o_.allowed ? " (allowed " + o_.allowed->text() + ")" : std::string()) + "; " +
             std::to_string(irregular) + " of " + std::to_string(intervals) +
             " intervals without exactly one tick left out");
        const auto last = readThreads(childPid);
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

    Answer clickAndWait(Point at, const std::string& what) {
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
                if (Screen::touches(drawings[checked].area, o_.targets)) {
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
        const Point new1 = fromQRect(kalvora::layout::kNew1.toRect()).centre();
        kalvora::GameState& state = mirror_.state;
        int moves = 0;
        while (moves < o_.clicks) {
            if (state.boardLocked) {
                const Answer a = clickAndWait(new1, "new1");
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
            const Rect box = fromQRect(kalvora::layout::kBoxes[pit - 1].toRect());
            const Answer a = clickAndWait(box.centre(), "pit " + std::to_string(pit));
            mirror_.rules.angka_Click(pit);
            ++moves;
            result("response.click_ms", a.lastMs);
            result("response.click_first_ms", a.firstMs);
        }
    }

    int close() {
        screen_.closeWindow();
        const Time deadline = after(Clock::now(), 5000);
        int status = 0;
        while (waitpid(childPid, &status, WNOHANG) == 0) {
            if (Clock::now() >= deadline) {
                kill(childPid, SIGKILL);
                waitpid(childPid, &status, 0);
                childPid = 0;
                fail("the program did not end within 5 s of its window being closed");
            }
            usleep(5000);
        }
        childPid = 0;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            fail("the program ended with %s %d after its window was closed",
                 WIFEXITED(status) ? "exit status" : "signal",
                 WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status));
        return 0;
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
    Screen screen_;
    Mirror mirror_;
    Time exec_;
    Time lastClick_;
};

} // namespace

int main(int argc, char* argv[]) {
    const Options options = parseOptions(argc, argv);
    Options withTerminator = options;
    withTerminator.command.push_back(nullptr);
    Probe probe(withTerminator);
    return probe.run();
}
