// SPDX-License-Identifier: GPL-3.0-or-later
#include "levels.h"

#include "transposition_table.h"

namespace kalvora::computer {
namespace {

using std::chrono::milliseconds;
constexpr std::size_t kMiB = 1024 * 1024;

// Beginner and casual look a few sowings ahead and sometimes settle for a
// move a little worse than their best; strong looks deep for half a second
// with a middle-sized table; master looks as deep as half a second allows.
const LevelSettings kLevels[kLevelCount] = {
    {"beginner", "Beginner", 2, milliseconds(100), 1 * kMiB, 35, 3},
    {"casual", "Casual", 5, milliseconds(100), 4 * kMiB, 10, 2},
    {"strong", "Strong", 12, milliseconds(500), 16 * kMiB, 0, 0},
    {"master", "Master", kProvenDepth - 1, milliseconds(500), 64 * kMiB, 0, 0},
};

} // namespace

const LevelSettings& settingsOf(Level level) {
    return kLevels[static_cast<int>(level)];
}

std::optional<Level> levelNamed(std::string_view name) {
    for (int i = 0; i < kLevelCount; ++i)
        if (name == kLevels[i].name)
            return static_cast<Level>(i);
    return std::nullopt;
}

} // namespace kalvora::computer
