// SPDX-License-Identifier: GPL-3.0-or-later
// kalvora-replay: plays a script of window events read from standard input
// and prints the display operations of the game, one a line.

#include "replay_driver.h"

#include <iostream>

int main() {
    std::ios::sync_with_stdio(false);
    return kalvora::runReplay(std::cin, std::cout, std::cerr);
}
