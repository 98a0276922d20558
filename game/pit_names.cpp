// SPDX-License-Identifier: GPL-3.0-or-later
#include "pit_names.h"

#include "fixed_texts.h"
#include "runtime_error.h"
#include "vocabulary.h"

namespace kalvora {

std::string pitName(int pit, Player secondSeat) {
    if (!isPitIndex(pit))
        throw subscriptError();
    const Player owner = pitOwner(pit);
    const std::string player =
        text::kPlayerNames[(owner == PlayerOne ? PlayerOne : secondSeat) - PlayerOne];
    if (pit == ownStore(owner))
        return player + "'s store";
    return player + ", pit " + std::to_string(pit - firstOwnPit(owner) + 1);
}

} // namespace kalvora
