#include "pit_names.h"

#include "runtime_error.h"
#include "vocabulary.h"

namespace kalvora {

std::string pitName(int pit) {
    if (!isPitIndex(pit))
        throw subscriptError();
    const int owner =
        isOwnSmallPit(PlayerOne, pit) || pit == ownStore(PlayerOne) ? PlayerOne : PlayerTwo;
    const std::string player = owner == PlayerOne ? text::kPlayerOne : text::kPlayerTwo;
    if (pit == ownStore(owner))
        return player + "'s store";
    return player + ", pit " + std::to_string(pit - firstOwnPit(owner) + 1);
}

} // namespace kalvora
