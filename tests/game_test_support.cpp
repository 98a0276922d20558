// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_test_support.h"

#include <algorithm>
#include <stdexcept>

namespace kalvora::testing {

std::vector<std::string> RecordedGame::takeLog() {
    std::vector<std::string> lines;
    std::istringstream in(log_.str());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    log_.str({});
    return lines;
}

void RecordedGame::clicks(const std::vector<int>& pits) {
    for (int pit : pits)
        form_.angka_Click(pit);
}

void RecordedGame::setup(int turn, const Pits& pits, int mode) {
    TestPosition position;
    position.turn = static_cast<Player>(turn);
    position.mode = static_cast<std::int16_t>(mode);
    for (std::size_t i = 0; i < pits.size(); ++i)
        position.pits[i] = static_cast<std::int16_t>(pits[i]);
    applyTestPosition(state_, position);
}

Pits RecordedGame::pits() const {
    Pits result{};
    for (int p = kFirstPit; p <= kPitCount; ++p)
        result[slot(p)] = state_.pits(p);
    return result;
}

Pits board(std::string text) {
    std::replace(text.begin(), text.end(), '|', ' ');
    std::istringstream in(text);
    Pits pits{};
    for (int& count : pits)
        if (!(in >> count))
            throw std::invalid_argument("not sixteen counts: " + text);
    return pits;
}

std::vector<std::string> captionLines(const Pits& pits) {
    std::vector<std::string> lines;
    for (int p = kFirstPit; p <= kPitCount; ++p)
        lines.push_back("caption angka " + std::to_string(p) + " \"" +
                        std::to_string(pits[slot(p)]) + "\"");
    return lines;
}

std::string statusLine(const std::string& text) {
    return "caption statuslbl \"" + text + "\"";
}

} // namespace kalvora::testing
