// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay_driver.h"

#include "computer_player.h"
#include "form1_procedures.h"
#include "game_state.h"
#include "recording_display.h"
#include "test_position.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace kalvora {
namespace {

// Bad input in the script: the message says what is wrong with the line.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> result;
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

// A whole number in the range [low, high]; `what` names it in the message.
long long wholeNumber(const std::string& word, long long low, long long high,
                      const std::string& what) {
    // from_chars takes a minus sign but no plus sign.
    const bool plus = !word.empty() && word[0] == '+';
    const char* first = word.data() + (plus ? 1 : 0);
    const char* last = word.data() + word.size();
    long long value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (end != last || error == std::errc::invalid_argument || (plus && *first == '-'))
        throw ScriptError("'" + word + "' is not a whole number");
    if (error == std::errc::result_out_of_range || value < low || value > high)
        throw ScriptError(what + " " + word + " is outside " + std::to_string(low) + ".." +
                          std::to_string(high));
    return value;
}

void expectArguments(const std::vector<std::string>& line, std::size_t count) {
    const std::size_t given = line.size() - 1;
    if (given != count)
        throw ScriptError("'" + line[0] + "' takes " + std::to_string(count) + " argument" +
                          (count == 1 ? "" : "s") + ", got " + std::to_string(given));
}

std::string stateLine(const GameState& g) {
    std::ostringstream line;
    line << "state pits=";
    for (int p = kFirstPit; p <= kPitCount; ++p)
        line << (p > kFirstPit ? "," : "") << g.pits(p);
    line << " turn=" << g.turn << " mode=" << g.mode << " locked=" << (g.boardLocked ? 1 : 0)
         << " hover=" << g.hoverIndex << " stores=" << g.storeTotals(1) << ',' << g.storeTotals(2)
         << " ambil=" << g.ambil << " clock=" << g.clockHours << ':' << g.clockMinutes << ':'
         << static_cast<int>(g.clockSeconds) << '\n';
    return line.str();
}

class ReplaySession {
public:
    ReplaySession(std::ostream& out, std::optional<std::chrono::milliseconds> thinkingTime)
        : out_(out), thinkingTime_(thinkingTime), display_(out), form_(state_, display_) {
        form_.Form_Load();
    }

    void perform(const std::vector<std::string>& line) {
        const std::string& event = line[0];
        if (event == "new" || event == "stop" || event == "option" || event == "tick" ||
            event == "state") {
            expectArguments(line, 0);
            if (event == "new")
                form_.new1_Click();
            else if (event == "stop")
                form_.stop1_Click();
            else if (event == "option")
                form_.option1_Click();
            else if (event == "tick") {
                if (display_.timerEnabled())
                    form_.Timer1_Timer();
            } else
                out_ << stateLine(state_);
        } else if (event == "click" || event == "move") {
            expectArguments(line, 1);
            const int pit = static_cast<int>(wholeNumber(line[1], 1, kPitCount, "pit index"));
            if (event == "click")
                form_.angka_Click(pit);
            else
                form_.angka_MouseMove(pit);
        } else if (event == "setup") {
            expectArguments(line, 2 + kPitCount);
            TestPosition position;
            position.turn = static_cast<Player>(wholeNumber(line[1], PlayerOne, Computer, "turn"));
            position.mode = static_cast<std::int16_t>(
                wholeNumber(line[2], std::numeric_limits<std::int16_t>::min(),
                            std::numeric_limits<std::int16_t>::max(), "mode"));
            for (int p = kFirstPit; p <= kPitCount; ++p)
                position.pits[slot(p)] = static_cast<std::int16_t>(wholeNumber(
                    line[static_cast<std::size_t>(2 + p)], 0,
                    std::numeric_limits<std::int16_t>::max(), "count of pit " + std::to_string(p)));
            applyTestPosition(state_, position);
        } else if (event == "hint" || event == "computer") {
            expectArguments(line, 1);
            computer::ComputerPlayer& player = playerOf(line[1]);
            if (event == "hint")
                out_ << hintLine(player);
            else if (state_.turn == Computer && !state_.boardLocked)
                if (const int pit = choose(player).pit)
                    form_.angka_Click(pit);
        } else {
            throw ScriptError("unknown event '" + event + "'");
        }
    }

private:
    // One player a level, made when first asked for: its table is kept
    // from move to move, as in a game.
    computer::ComputerPlayer& playerOf(const std::string& name) {
        const std::optional<computer::Level> level = computer::levelNamed(name);
        if (!level)
            throw ScriptError("unknown level '" + name + "' (beginner, casual, strong or master)");
        auto& player = players_[static_cast<std::size_t>(*level)];
        if (!player)
            player = std::make_unique<computer::ComputerPlayer>(*level);
        return *player;
    }

    computer::Choice choose(computer::ComputerPlayer& player) {
        const Board board = boardOf(state_);
        if (!computer::searchable(board))
            throw ScriptError("the board holds " + std::to_string(board.totalSeeds()) +
                              " seeds, more than the computer can count (" +
                              std::to_string(kMaxSeeds) + ")");
        if (!thinkingTime_)
            return player.choose(board);
        return player.choose(board, std::chrono::steady_clock::now() + *thinkingTime_, nullptr);
    }

    std::string hintLine(computer::ComputerPlayer& player) {
        const computer::Choice choice = choose(player);
        if (choice.pit == 0)
            return "hint none\n";
        return "hint pit=" + std::to_string(choice.pit) + " value=" + std::to_string(choice.value) +
               " exact=" + (choice.exact ? "1" : "0") + "\n";
    }

    std::unique_ptr<computer::ComputerPlayer> players_[computer::kLevelCount];
    std::ostream& out_;
    std::optional<std::chrono::milliseconds> thinkingTime_;
    GameState state_;
    RecordingDisplay display_;
    Form1Procedures form_;
};

bool isSkipped(const std::vector<std::string>& line) {
    return line.empty() || line[0][0] == '#';
}

} // namespace

int runReplay(std::istream& script, std::ostream& operations, std::ostream& errors,
              std::optional<std::chrono::milliseconds> thinkingTime) {
    ReplaySession session(operations, thinkingTime);
    std::string text;
    long long lineNumber = 0;
    while (std::getline(script, text)) {
        ++lineNumber;
        const std::vector<std::string> line = words(text);
        if (isSkipped(line))
            continue;
        const std::string where = "kalvora-replay: line " + std::to_string(lineNumber) + ": ";
        try {
            session.perform(line);
        } catch (const ScriptError& e) {
            operations.flush();
            errors << where << e.what() << '\n';
            return ReplayBadInput;
        } catch (const std::exception& e) {
            operations.flush();
            errors << where << e.what() << '\n';
            return ReplayRuntimeError;
        }
    }
    operations.flush();
    return ReplayOk;
}

} // namespace kalvora
