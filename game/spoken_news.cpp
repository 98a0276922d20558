// SPDX-License-Identifier: GPL-3.0-or-later
#include "spoken_news.h"

#include "fixed_texts.h"
#include "pit_names.h"

namespace kalvora {

std::string hintText(int pit) {
    return "Hint: " + pitName(pit);
}

std::string computerMoveText(int pit, int seeds, const Sowing& sowing) {
    std::string text = std::string(text::kPlayerNames[Computer - PlayerOne]) + " sows pit " +
                       std::to_string(pit - firstOwnPit(Computer) + 1) + " of its row, " +
                       std::to_string(seeds) + (seeds == 1 ? " seed" : " seeds");
    if (sowing.captured)
        text += ", and captures";
    else if (sowing.anotherTurn)
        text += ", and moves again";
    return text + ".";
}

} // namespace kalvora
