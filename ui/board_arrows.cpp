// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_arrows.h"

#include "vocabulary.h"

#include <array>

using namespace kalvora;

int squareTowards(int pit, Qt::Key arrow) {
    const int index = arrow - Qt::Key_Left; // Qt numbers Left, Up, Right, Down in a row
    if (index < 0 || index > 3)
        return pit;
    // The ring runs left to right along the bottom row and right to left along
    // the top; up or down crosses to the opposite pit. A store's neighbours on
    // the ring are the ends of both rows.
    const int previous = pit == kFirstPit ? kPitCount : pit - 1;
    const int next = nextPit(pit);
    const std::array<int, 4> leftUpRightDown =
        pit == kPlayerOneStore       ? std::array{previous, next, pit, previous}
        : pit == kPlayerTwoStore     ? std::array{pit, previous, previous, next}
        : pitOwner(pit) == PlayerOne ? std::array{previous, oppositePit(pit), next, pit}
                                     : std::array{next, pit, previous, oppositePit(pit)};
    return leftUpRightDown[static_cast<std::size_t>(index)];
}
