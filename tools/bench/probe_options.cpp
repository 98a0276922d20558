// SPDX-License-Identifier: GPL-3.0-or-later
#include "probe_options.h"

#include "control_layout.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace probe {
namespace {

const char* const kUsage = "kalvora-window-probe [options] -- PROGRAM [ARGUMENT...]";

[[noreturn]] void badArguments(const QString& why) {
    std::fprintf(stderr, "kalvora-window-probe: %s\nusage: %s (--help lists the options)\n",
                 qPrintable(why), kUsage);
    std::exit(2);
}

// One option with its value, read in the form that option takes.
struct Value {
    QString name;
    QString text;

    [[noreturn]] void bad(const QString& why) const {
        badArguments(QStringLiteral("bad argument --%1 %2: %3").arg(name, text, why));
    }

    std::vector<int> wholeNumbers(int count, QChar separator) const {
        std::vector<int> numbers;
        bool ok = true;
        for (const QString& part : text.split(separator)) {
            numbers.push_back(part.toInt(&ok));
            if (!ok)
                break;
        }
        if (!ok || static_cast<int>(numbers.size()) != count)
            bad(QStringLiteral("expected %1 whole numbers separated by '%2'")
                    .arg(count)
                    .arg(separator));
        return numbers;
    }
    QPoint point() const {
        const auto n = wholeNumbers(2, u',');
        return {n[0], n[1]};
    }
    QRect rect() const {
        const auto n = wholeNumbers(4, u',');
        return {n[0], n[1], n[2], n[3]};
    }
    unsigned whole(unsigned most = UINT_MAX) const {
        bool ok = false;
        const unsigned n = text.toUInt(&ok);
        if (!ok || n > most)
            bad(most == UINT_MAX ? QStringLiteral("expected a whole number")
                                 : QStringLiteral("expected a whole number up to %1").arg(most));
        return n;
    }
    double positiveMs() const {
        bool ok = false;
        const double n = text.toDouble(&ok);
        if (!ok || !std::isfinite(n) || n <= 0)
            bad(QStringLiteral("expected a positive number of milliseconds"));
        return n;
    }
};

} // namespace

Options parseOptions(int argc, char** argv) {
    // Everything after "--" belongs to the program, as it is.
    char** const end = std::find_if(argv + 1, argv + argc,
                                    [](const char* word) { return std::strcmp(word, "--") == 0; });
    QStringList ours;
    for (char** word = argv; word != end; ++word)
        ours << QString::fromLocal8Bit(*word);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Starts PROGRAM and watches its window on the X server: start-up to the complete\n"
        "picture, memory, idle clock ticks and click responses, as \"RESULT LABEL METRIC\n"
        "VALUE\" lines and \"#\" notes; times in ms from the exec of PROGRAM."));
    parser.addPositionalArgument(QStringLiteral("--"),
                                 QStringLiteral("then PROGRAM and its arguments"),
                                 QStringLiteral("-- PROGRAM [ARGUMENT...]"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("shows this help"));
    parser.addOption(help);
    auto add = [&](const char* name, const char* description, const char* valueName = nullptr) {
        const QCommandLineOption option(QString::fromLatin1(name), QString::fromLatin1(description),
                                        QString::fromLatin1(valueName));
        parser.addOption(option);
        return option;
    };
    const auto label = add("label", "names the program on each RESULT line", "NAME");
    const auto size = add("size", "size of the window to watch (400x300)", "WxH");
    const auto quiet = add("quiet", "no drawing for this long: picture complete (200)", "MS");
    const auto timeout = add("timeout", "give up on a picture after this long (20000)", "MS");
    const auto childLog = add("child-log", "the program's output goes here", "FILE");
    const auto idle = add("idle", "then idle this long, measured tick by tick", "SECONDS");
    const auto startClick = add("start-click", "click here before idling (window pixels)", "X,Y");
    const auto allowed =
        add("allowed", "a tick may draw only inside this rectangle", "X,Y,W,H|timelbl");
    const auto silentTicks =
        add("silent-ticks", "the ticks draw nothing: read every second as one");
    const auto clicks = add("clicks", "then time N clicks, click to last pixel", "N");
    const auto clickAt = add("click-at", "... all at this point,", "X,Y");
    const auto target = add("target", "... counting drawing here (repeatable)", "X,Y,W,H");
    const auto kalvora =
        add("kalvora", "the program is Kalvora: new1 starts the game, the clock label is "
                       "the allowed rectangle, and clicks are legal moves on the pits, with "
                       "new1 between games");
    const auto seed = add("seed", "seed of the choice among legal moves (1)", "N");
    const auto verbose = add("verbose", "a note for every drawing seen");

    if (!parser.parse(ours))
        badArguments(parser.errorText());
    if (parser.isSet(help)) {
        // The help's usage line names the program as the application does.
        int nameOnly = 1;
        const QCoreApplication application(nameOnly, argv);
        parser.showHelp();
    }
    if (!parser.positionalArguments().isEmpty())
        badArguments(QStringLiteral("unexpected argument '%1' before '--'")
                         .arg(parser.positionalArguments().constFirst()));

    auto value = [&](const QCommandLineOption& option) {
        return Value{option.names().constFirst(), parser.value(option)};
    };
    Options o;
    if (end != argv + argc)
        o.command.assign(end + 1, argv + argc);
    if (parser.isSet(label))
        o.label = parser.value(label).toStdString();
    if (parser.isSet(size)) {
        const auto n = value(size).wholeNumbers(2, u'x');
        o.windowSize = QSize(n[0], n[1]);
        if (n[0] <= 0 || n[1] <= 0 || n[0] > 8192 || n[1] > 8192)
            value(size).bad(QStringLiteral("the size must lie between 1x1 and 8192x8192"));
    }
    if (parser.isSet(quiet))
        o.quietMs = value(quiet).positiveMs();
    if (parser.isSet(timeout))
        o.timeoutMs = value(timeout).positiveMs();
    o.childLog = parser.value(childLog).toStdString();
    if (parser.isSet(idle))
        o.idleSeconds = static_cast<int>(value(idle).whole(86400));
    if (parser.isSet(startClick))
        o.startClick = value(startClick).point();
    // "timelbl": the clock label's place in the game's layout, which the bare
    // window copies for its own clock.
    if (parser.isSet(allowed))
        o.allowed = parser.value(allowed) == QLatin1String("timelbl")
                        ? kalvora::layout::kTimelbl.toRect()
                        : value(allowed).rect();
    o.silentTicks = parser.isSet(silentTicks);
    if (parser.isSet(clicks))
        o.clicks = static_cast<int>(value(clicks).whole(100000));
    if (parser.isSet(clickAt)) {
        o.clickAt = value(clickAt).point();
        o.plan = ClickPlan::Fixed;
    }
    for (const QString& text : parser.values(target))
        o.targets.push_back(Value{target.names().constFirst(), text}.rect());
    if (parser.isSet(seed))
        o.seed = value(seed).whole();
    o.verbose = parser.isSet(verbose);
    if (o.command.empty())
        badArguments(QStringLiteral("no program to start after '--'"));

    if (parser.isSet(kalvora)) {
        using namespace kalvora::layout;
        if (o.plan == ClickPlan::Fixed || o.startClick)
            badArguments(QStringLiteral("--kalvora cannot go with --click-at or --start-click"));
        o.plan = ClickPlan::Game;
        o.startClick = kNew1.toRect().center();
        if (!o.allowed)
            o.allowed = kTimelbl.toRect();
        if (o.targets.empty())
            for (const Twips& box : kBoxes)
                o.targets.push_back(box.toRect());
    }
    if (o.clicks > 0 && o.plan == ClickPlan::None)
        badArguments(QStringLiteral("--clicks needs --click-at or --kalvora to know where"));
    if (o.clicks > 0 && o.targets.empty())
        badArguments(QStringLiteral("--clicks needs a --target where the answer is drawn"));
    return o;
}

} // namespace probe
