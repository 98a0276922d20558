// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers become text as plain decimal digits with no blank; only the clock
// pads its fields to two digits.

#include <cstdint>
#include <string>

namespace kalvora {

// "0", "7", "14", "-3": the digits, a minus sign for a negative number.
std::string numberText(long long value);

// "hh:mm:ss", each field at least two digits; hours show all their digits.
std::string clockText(long long hours, long long minutes, long long seconds);

} // namespace kalvora
