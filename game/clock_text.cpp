// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock_text.h"

namespace kalvora {

namespace {
std::string twoDigits(long long value) {
    std::string digits = std::to_string(value);
    return value < 10 ? "0" + digits : digits;
}
} // namespace

std::string clockText(long long hours, long long minutes, long long seconds) {
    return twoDigits(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(seconds);
}

} // namespace kalvora
