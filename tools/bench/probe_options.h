// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the probe is asked to do, read from its command line:
//
//   kalvora-window-probe [options] -- PROGRAM [ARGUMENT...]
//
// A bad argument ends the probe with a message that names it, exit status 2,
// before any X connection is opened.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>
#include <string>
#include <vector>

namespace probe {

enum class ClickPlan { None, Game, Fixed };

struct Options {
    std::string label = "program";
    QSize windowSize{400, 300};
    double quietMs = 200;
    double timeoutMs = 20000;
    int idleSeconds = 0;
    std::optional<QPoint> startClick;
    std::optional<QRect> allowed;
    bool silentTicks = false;
    int clicks = 0;
    ClickPlan plan = ClickPlan::None;
    QPoint clickAt;
    std::vector<QRect> targets;
    unsigned seed = 1;
    bool verbose = false;
    std::string childLog;
    std::vector<std::string> command;
};

Options parseOptions(int argc, char** argv);

} // namespace probe
