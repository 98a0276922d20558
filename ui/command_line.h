// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options of `kalvora`: whom to play, --help and --version.

#include "play_choice.h"

#include <QString>
#include <QStringList>

#include <optional>

struct CommandLine {
    // Set when an option chose the opponent: a game then starts at once.
    std::optional<kalvora::Opponent> opponent;
    std::optional<kalvora::computer::Level> level;
    // Set when the program ends here: what to print and the exit status.
    std::optional<int> exitStatus;
    QString output; // for standard output (help, version) or standard error
};

CommandLine readCommandLine(const QStringList& arguments);
