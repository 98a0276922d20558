// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kalvora {

// "hh:mm:ss", each field at least two digits; hours show all their digits.
std::string clockText(long long hours, long long minutes, long long seconds);

} // namespace kalvora
