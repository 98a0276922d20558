// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation.h"

namespace kalvora::computer {

int estimate(const Board&) {
    return 0;
}

} // namespace kalvora::computer
