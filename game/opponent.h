// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Who sits opposite player one: a second person or the computer. The game
// record keeps the choice as `mode`; this is its name outside the record.

#include <cstdint>
#include <optional>
#include <string_view>

namespace kalvora {

enum class Opponent : std::uint8_t { TwoPlayers, Computer };

// mode 1 is two people; any other value puts the computer in the second seat.
constexpr std::int16_t modeOf(Opponent opponent) {
    return opponent == Opponent::TwoPlayers ? 1 : 2;
}
constexpr Opponent opponentOf(std::int16_t mode) {
    return mode == 1 ? Opponent::TwoPlayers : Opponent::Computer;
}

// "two-players" or "computer", as the settings file and the command line write it.
constexpr std::string_view opponentName(Opponent opponent) {
    return opponent == Opponent::TwoPlayers ? "two-players" : "computer";
}
inline std::optional<Opponent> opponentNamed(std::string_view name) {
    for (Opponent opponent : {Opponent::TwoPlayers, Opponent::Computer})
        if (name == opponentName(opponent))
            return opponent;
    return std::nullopt;
}

} // namespace kalvora
