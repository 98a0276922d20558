// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the RESULT lines of a benchmark run into one Markdown table: for each
// figure the median and interquartile range of the subject and of each floor
// it is measured against, their ratios, and whether the target is met.
//
//   kalvora-bench-summary --subject LABEL --baseline LABEL [--baseline LABEL]...
//                         [--limit METRIC:KIND:VALUE]... [--strict] FILE...
//
// KIND is `ratio` (subject at most VALUE times the floor), `max` (subject at
// most VALUE) or `plus` (subject at most the floor plus VALUE); each compares
// medians, against the first --baseline. With --strict a missed target makes
// the exit status 3.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

[[noreturn]] void usageError(const std::string& why) {
    std::fprintf(stderr,
                 "kalvora-bench-summary: %s\n"
                 "usage: kalvora-bench-summary --subject LABEL --baseline LABEL "
                 "[--baseline LABEL]... [--limit METRIC:KIND:VALUE]... [--strict] FILE...\n",
                 why.c_str());
    std::exit(2);
}

struct Limit {
    std::string kind;
    double value = 0;
};

struct Spread {
    double median = 0;
    double q1 = 0;
    double q3 = 0;
    size_t count = 0;
};

// Quartiles interpolated between the order statistics.
double quantile(const std::vector<double>& sorted, double q) {
    const double at = q * static_cast<double>(sorted.size() - 1);
    const size_t below = static_cast<size_t>(std::floor(at));
    const size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - static_cast<double>(below)) * (sorted[above] - sorted[below]);
}

Spread spread(std::vector<double> samples) {
    if (samples.empty())
        return {};
    std::sort(samples.begin(), samples.end());
    return {quantile(samples, 0.5), quantile(samples, 0.25), quantile(samples, 0.75),
            samples.size()};
}

std::string number(double v) {
    char text[32];
    const double a = std::fabs(v);
    const char* format = a >= 100 ? "%.0f" : a >= 10 ? "%.1f" : a >= 1 ? "%.2f" : "%.3f";
    std::snprintf(text, sizeof text, format, v);
    return text;
}

std::string describe(const Spread& s) {
    if (s.count == 0)
        return "–";
    if (s.count == 1)
        return number(s.median);
    return number(s.median) + " (" + number(s.q1) + "–" + number(s.q3) + ")";
}

} // namespace

int main(int argc, char* argv[]) {
    std::string subject;
    std::vector<std::string> baselines;
    std::map<std::string, Limit> limits;
    std::vector<std::string> files;
    bool strict = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                usageError("argument " + std::to_string(i) + " (" + arg + "): needs a value");
            return argv[++i];
        };
        if (arg == "--subject") {
            subject = value();
        } else if (arg == "--baseline") {
            baselines.push_back(value());
        } else if (arg == "--strict") {
            strict = true;
        } else if (arg == "--limit") {
            const std::string text = value();
            const size_t a = text.find(':');
            const size_t b = a == std::string::npos ? a : text.find(':', a + 1);
            Limit limit;
            char* end = nullptr;
            if (b != std::string::npos) {
                limit.kind = text.substr(a + 1, b - a - 1);
                limit.value = std::strtod(text.c_str() + b + 1, &end);
            }
            if (b == std::string::npos || a == 0 || *end != '\0' || end == text.c_str() + b + 1 ||
                (limit.kind != "ratio" && limit.kind != "max" && limit.kind != "plus"))
                usageError("argument " + std::to_string(i) +
                           " (--limit): expected "
                           "METRIC:ratio|max|plus:NUMBER, got '" +
                           text + "'");
            limits[text.substr(0, a)] = limit;
        } else if (arg.rfind("--", 0) == 0) {
            usageError("argument " + std::to_string(i) + ": unknown option '" + arg + "'");
        } else {
            files.push_back(arg);
        }
    }
    if (subject.empty() || baselines.empty())
        usageError("--subject and --baseline are both needed");
    if (files.empty())
        usageError("no result file given");

    // metric -> label -> samples, metrics in the order they first appear.
    std::map<std::string, std::map<std::string, std::vector<double>>> samples;
    std::vector<std::string> order;
    for (const std::string& file : files) {
        std::ifstream in(file);
        if (!in) {
            std::fprintf(stderr, "kalvora-bench-summary: cannot read %s\n", file.c_str());
            return 2;
        }
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            if (line.empty() || line[0] == '#')
                continue;
            std::istringstream words(line);
            std::string tag, label, metric, value, extra;
            words >> tag >> label >> metric >> value;
            char* end = nullptr;
            const double v = value.empty() ? 0 : std::strtod(value.c_str(), &end);
            if (tag != "RESULT" || metric.empty() || value.empty() || *end != '\0' ||
                !std::isfinite(v) || (words >> extra)) {
                std::fprintf(stderr,
                             "kalvora-bench-summary: %s:%d: expected 'RESULT LABEL METRIC "
                             "NUMBER', got '%s'\n",
                             file.c_str(), number, line.c_str());
                return 2;
            }
            if (!samples.count(metric))
                order.push_back(metric);
            samples[metric][label].push_back(v);
        }
    }
    for (const auto& [metric, limit] : limits)
        if (!samples.count(metric))
            std::fprintf(stderr, "kalvora-bench-summary: note: no samples of %s\n", metric.c_str());

    bool missed = false;
    std::printf("| figure | %s: median (IQR) | n |", subject.c_str());
    for (const std::string& baseline : baselines)
        std::printf(" %s: median (IQR) | n | ratio |", baseline.c_str());
    std::printf(" target | |\n|---|---|---|");
    for (size_t i = 0; i < baselines.size(); ++i)
        std::printf("---|---|---|");
    std::printf("---|---|\n");
    for (const std::string& metric : order) {
        auto& byLabel = samples[metric];
        const bool any = std::any_of(baselines.begin(), baselines.end(),
                                     [&](const std::string& l) { return byLabel.count(l) > 0; });
        if (!byLabel.count(subject) && !any)
            continue;
        const Spread s = spread(byLabel[subject]);
        auto count = [](const Spread& x) { return x.count ? std::to_string(x.count) : ""; };
        std::string floors;
        for (const std::string& baseline : baselines) {
            const Spread f = spread(byLabel[baseline]);
            std::string ratio = "–";
            if (s.count > 0 && f.count > 0 && f.median != 0)
                ratio = number(s.median / f.median) + "x";
            floors += " " + describe(f) + " | " + count(f) + " | " + ratio + " |";
        }
        const Spread b = spread(byLabel[baselines.front()]);

        std::string target, verdict;
        const auto limit = limits.find(metric);
        if (limit != limits.end()) {
            const Limit& l = limit->second;
            double bound = l.value;
            if (l.kind == "ratio") {
                target = "≤ " + number(l.value) + "x floor";
                bound = l.value * b.median;
            } else if (l.kind == "plus") {
                target = "≤ floor + " + number(l.value);
                bound = b.median + l.value;
            } else {
                target = "≤ " + number(l.value);
            }
            if (s.count == 0) {
                verdict = "no data";
            } else if (l.kind != "max" && b.count == 0) {
                verdict = "no floor";
            } else {
                const bool met = s.median <= bound;
                verdict = met ? "met" : "**missed**";
                missed = missed || !met;
            }
        }
        std::printf("| %s | %s | %s |%s %s | %s |\n", metric.c_str(), describe(s).c_str(),
                    count(s).c_str(), floors.c_str(), target.c_str(), verdict.c_str());
    }
    return strict && missed ? 3 : 0;
}
