// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: builds the controls of the layout, forwards every control
// event with its pit index to the game's event procedures, and lets QtDisplay
// apply what they show. It owns the game state and holds no rule.

#include "play_choice.h"
#include "vocabulary.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class AutoSizeLabel;
class ComputerSeat;
class GameMenu;
class Picture;
class PictureButton;
class PitLabel;
class PitSquare;
class QTimer;
class Shape;
class SpokenDisplay;

namespace kalvora {
class Form1Procedures;
struct GameState;
namespace layout {
struct Control;
}
} // namespace kalvora

class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // For tests that need a position no game reaches by ordinary play.
    kalvora::GameState& gameState() { return *state_; }

    // The opponent and strength for the next start, as remembered or given on
    // the command line; no game starts.
    void setPlayChoice(const PlayChoice& choice);
    PlayChoice playChoice() const;
    // A new game against `opponent`, as the menu starts one.
    void newGame(kalvora::Opponent opponent);

signals:
    // The person chose another opponent or strength in the menu.
    void playChoiceChanged(const PlayChoice& choice);

protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createPit(int pit);
    PictureButton* createButton(const kalvora::layout::Control& row);
    AutoSizeLabel* createFreeLabel(const kalvora::layout::Control& row, double points,
                                   const QColor& colour);
    void wireEvents();
    void wireMenu();
    void showHint(int pit);
    void updateMenu();
    void forward(const std::function<void(kalvora::Form1Procedures&)>& procedure);

    std::array<PitSquare*, kalvora::kPitCount> box_{};
    std::array<PitLabel*, kalvora::kPitCount> angka_{};
    PictureButton* new1_ = nullptr;
    PictureButton* stop1_ = nullptr;
    PictureButton* option1_ = nullptr;
    PictureButton* about1_ = nullptr;
    AutoSizeLabel* statuslbl_ = nullptr;
    AutoSizeLabel* timelbl_ = nullptr;
    std::array<AutoSizeLabel*, 2> playerlbl_{};
    QTimer* Timer1_ = nullptr;
    bool iconRequested_ = false;
    bool frameCentred_ = false;
    GameMenu* menu_ = nullptr;
    ComputerSeat* seat_ = nullptr;
    bool hintByKeyboard_ = false;

    std::unique_ptr<Picture> background_;
    std::unique_ptr<kalvora::GameState> state_;
    std::unique_ptr<SpokenDisplay> display_;
    std::unique_ptr<kalvora::Form1Procedures> procedures_;
};
