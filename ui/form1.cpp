// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "accessible_roles.h"
#include "announcement.h"
#include "auto_size_label.h"
#include "board_arrows.h"
#include "computer_seat.h"
#include "control_colours.h"
#include "control_layout.h"
#include "fixed_texts.h"
#include "form1_procedures.h"
#include "game_menu.h"
#include "game_state.h"
#include "how_to_play.h"
#include "picture.h"
#include "picture_button.h"
#include "pit_label.h"
#include "pit_square.h"
#include "program_icon.h"
#include "run_time_error.h"
#include "screen_centre.h"
#include "shape.h"
#include "spoken_display.h"
#include "spoken_news.h"
#include "spoken_pit_name.h"
#include "window_font.h"

#include <QContextMenuEvent>
#include <QPainter>
#include <QShortcut>
#include <QTimer>

using kalvora::Form1Procedures;
using kalvora::slot;
namespace layout = kalvora::layout;

namespace {

// The clock ticks once a second.
constexpr int kTimerIntervalMs = 1000;

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      background_(std::make_unique<Picture>(QStringLiteral(":/assets/background.bmp"))),
      state_(std::make_unique<kalvora::GameState>()) {
    installAccessibleRoles();
    setObjectName(QLatin1String(layout::kForm1.name));
    setWindowTitle(QLatin1String(layout::kForm1.words));
    // A fixed border: the size hints pin the window, so it cannot be resized
    // or maximized.
    setFixedSize(layout::kForm1.toRect().size());

    createControls();

    QtDisplay::Controls controls;
    controls.box = box_;
    controls.angka = angka_;
    controls.statuslbl = statuslbl_;
    controls.timelbl = timelbl_;
    controls.playerlbl = playerlbl_;
    controls.Timer1 = Timer1_;
    controls.window = this;
    display_ = std::make_unique<SpokenDisplay>(controls, new Announcement(this));
    procedures_ = std::make_unique<Form1Procedures>(*state_, *display_);
    wireEvents();
    wireMenu();

    centreOnScreen(*this, screen());
    new1_->setFocus();

    forward(&Form1Procedures::Form_Load);
}

// The computer's thought ends before the game it thinks about.
Form1::~Form1() {
    seat_->stop();
}

// Created back to front: each control is drawn over those made before it, and
// the Tab key visits the ones that take the focus in the same order.
void Form1::createControls() {
    auto place = [](QWidget* control, const layout::Control& row) {
        control->setObjectName(QLatin1String(row.name));
        control->setGeometry(row.toRect());
    };
    using kalvora::toQColor;
    place(new Shape(Shape::Kind::Rectangle, toQColor(kalvora::kPlayerTwoColour), 1, this),
          layout::kShape1);
    place(new Shape(Shape::Kind::Rectangle, toQColor(kalvora::kPlayerOneColour), 1, this),
          layout::kShape2);
    place(new Shape(Shape::Kind::RoundedRectangle, toQColor(kalvora::kPanelColour), 2, this),
          layout::kShape3);

    const QColor buttonText = palette().color(QPalette::ButtonText);
    playerlbl_[0] = createFreeLabel(layout::kPlayerlbl1, layout::kPlayerLabelPoints, buttonText);
    playerlbl_[1] = createFreeLabel(layout::kPlayerlbl2, layout::kPlayerLabelPoints, buttonText);
    statuslbl_ = createFreeLabel(layout::kStatuslbl, layout::kTimeAndStatusPoints,
                                 toQColor(kalvora::kStatusColour));
    timelbl_ = createFreeLabel(layout::kTimelbl, layout::kTimeAndStatusPoints,
                               toQColor(kalvora::kClockColour));
    timelbl_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    new1_ = createButton(layout::kNew1);
    stop1_ = createButton(layout::kStop1);
    about1_ = createButton(layout::kAbout1);

    for (int pit : layout::kSquaresBehindOption1)
        createPit(pit);

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(kTimerIntervalMs);

    option1_ = createButton(layout::kOption1);

    createPit(layout::kFrontSquare);
}

void Form1::createPit(int pit) {
    auto* square = new PitSquare(this);
    square->setObjectName(QStringLiteral("box%1").arg(pit));
    square->setGeometry(layout::kBoxes[slot(pit)].toRect());
    square->setBackColor(kalvora::toQColor(kalvora::kGrey));

    auto* label = new PitLabel(square);
    label->setObjectName(QStringLiteral("angka%1").arg(pit));
    const QRect inside = square->clientRect();
    const QRect at = layout::pitLabel(pit).toRect().translated(inside.topLeft());
    label->setGeometry(at);
    // A child shows only inside its square's edge, as a window's children are
    // clipped to its client area; where the label juts out, the edge is hit.
    if (!inside.contains(at))
        label->setMask(QRegion(inside.intersected(at).translated(-at.topLeft())));
    label->setFont(kalvora::windowFont(kalvora::isStore(pit) ? layout::kStorePoints
                                                             : layout::kSmallPitPoints));
    kalvora::setForeColor(label, kalvora::toQColor(kalvora::startingCountColour(pit)));
    label->setText(QString::fromLatin1(kalvora::text::kInitialCount));
    square->setAccessibleName(spokenPitName(pit, label->text()));

    box_[slot(pit)] = square;
    angka_[slot(pit)] = label;
}

// A picture button has no caption: a screen reader reads the words drawn in
// its picture instead, and its tooltip as the description.
PictureButton* Form1::createButton(const layout::Control& row) {
    const QString path = QStringLiteral(":/assets/%1").arg(QLatin1String(row.picture));
    auto* button = new PictureButton(path + QStringLiteral(".bmp"),
                                     path + QStringLiteral("_pressed.bmp"), this);
    button->setObjectName(QLatin1String(row.name));
    button->setGeometry(row.toRect());
    button->setToolTip(QLatin1String(row.toolTip));
    button->setAccessibleName(QLatin1String(row.words));
    button->setAccessibleDescription(QLatin1String(row.toolTip));
    return button;
}

AutoSizeLabel* Form1::createFreeLabel(const layout::Control& row, double points,
                                      const QColor& colour) {
    auto* label = new AutoSizeLabel(this);
    label->setObjectName(QLatin1String(row.name));
    label->setFont(kalvora::windowFont(points));
    kalvora::setForeColor(label, colour);
    label->setCaption(QLatin1String(row.words));
    if (row.toolTip)
        label->setToolTip(QLatin1String(row.toolTip));
    label->move(row.toRect().topLeft());
    return label;
}

void Form1::wireEvents() {
    connect(new1_, &QAbstractButton::clicked, this,
            [this] { forward(&Form1Procedures::new1_Click); });
    connect(stop1_, &QAbstractButton::clicked, this,
            [this] { forward(&Form1Procedures::stop1_Click); });
    connect(option1_, &QAbstractButton::clicked, this,
            [this] { forward(&Form1Procedures::option1_Click); });
    connect(about1_, &QAbstractButton::clicked, this,
            [this] { forward(&Form1Procedures::about1_Click); });
    connect(Timer1_, &QTimer::timeout, this, [this] { forward(&Form1Procedures::Timer1_Timer); });
    for (int pit = kalvora::kFirstPit; pit <= kalvora::kPitCount; ++pit) {
        const auto click = [this, pit] {
            forward([pit](Form1Procedures& procedures) { procedures.personClick(pit); });
        };
        const auto moveOver = [this, pit] {
            forward([pit](Form1Procedures& procedures) { procedures.angka_MouseMove(pit); });
        };
        connect(angka_[slot(pit)], &PitLabel::clicked, this, click);
        connect(angka_[slot(pit)], &PitLabel::moved, this, moveOver);
        // The keyboard reaches a pit as the mouse does: a focus brought by a
        // key is a movement over its label, Space or Return a click on it.
        connect(box_[slot(pit)], &PitSquare::focusedByKeyboard, this, moveOver);
        connect(box_[slot(pit)], &PitSquare::pressed, this, click);
        // An arrow hands the focus on as Tab does: a keyboard focus.
        connect(box_[slot(pit)], &PitSquare::arrowPressed, this, [this, pit](Qt::Key arrow) {
            box_[slot(squareTowards(pit, arrow))]->setFocus(Qt::TabFocusReason);
        });
    }
}

void Form1::wireMenu() {
    seat_ = new ComputerSeat(
        *procedures_, [this](const auto& procedure) { forward(procedure); }, this);
    connect(seat_, &ComputerSeat::moved, this,
            [this](const QString& spoken) { display_->leadNextNewsWith(spoken); });
    connect(seat_, &ComputerSeat::hintShown, this, &Form1::showHint);

    menu_ = new GameMenu(this);
    menu_->showStrength(seat_->level());
    connect(menu_->newTwoPlayers, &QAction::triggered, this,
            [this] { newGame(kalvora::Opponent::TwoPlayers); });
    connect(menu_->newAgainstComputer, &QAction::triggered, this,
            [this] { newGame(kalvora::Opponent::Computer); });
    connect(menu_, &GameMenu::strengthChosen, this, [this](kalvora::computer::Level level) {
        seat_->setLevel(level);
        emit playChoiceChanged(playChoice());
    });
    connect(menu_->hint, &QAction::triggered, this, [this] {
        hintByKeyboard_ = !menu_->openedByMouse();
        seat_->askHint();
    });
    connect(menu_->takeBack, &QAction::triggered, this, [this] {
        seat_->stop();
        display_->leadNextNewsWith(QStringLiteral("Move taken back."));
        forward(&Form1Procedures::takeBack_Click);
    });
    connect(menu_->howToPlay, &QAction::triggered, this, [this] { HowToPlay::open(this); });
    // Only some of Qt's platforms open a context menu for the Menu key, and
    // none for Shift+F10.
    auto* menuKey = new QShortcut(this);
    menuKey->setKeys({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    connect(menuKey, &QShortcut::activated, this, [this] {
        QContextMenuEvent fromKeyboard(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        contextMenuEvent(&fromKeyboard);
    });
    updateMenu();
}

void Form1::setPlayChoice(const PlayChoice& choice) {
    forward([&choice](Form1Procedures& procedures) { procedures.chooseOpponent(choice.opponent); });
    seat_->setLevel(choice.level);
    menu_->showStrength(choice.level);
}

PlayChoice Form1::playChoice() const {
    return {procedures_->opponent(), seat_->level()};
}

void Form1::newGame(kalvora::Opponent opponent) {
    seat_->stop();
    const bool changed = opponent != procedures_->opponent();
    forward([opponent](Form1Procedures& procedures) {
        procedures.chooseOpponent(opponent);
        procedures.new1_Click();
    });
    if (changed)
        emit playChoiceChanged(playChoice());
}

// The hint is heard wherever the focus is; a keyboard player also gets the
// focus on the pit, so that Space sows it.
void Form1::showHint(int pit) {
    display_->say(QString::fromStdString(kalvora::hintText(pit)));
    if (hintByKeyboard_)
        box_[slot(pit)]->setFocus(Qt::TabFocusReason);
}

void Form1::updateMenu() {
    menu_->hint->setEnabled(procedures_->hintAvailable());
    menu_->takeBack->setEnabled(procedures_->canTakeBack());
}

// A right click anywhere, the Menu key or Shift+F10.
void Form1::contextMenuEvent(QContextMenuEvent* event) {
    if (menu_->isVisible()) // the platform's menu event after our own Menu key
        return;
    const bool byMouse = event->reason() == QContextMenuEvent::Mouse;
    QPoint at = event->globalPos();
    if (!byMouse) {
        const QWidget* focus = focusWidget() ? focusWidget() : this;
        at = focus->mapToGlobal(focus->rect().center());
    }
    updateMenu();
    menu_->open(at, byMouse);
}

void Form1::closeEvent(QCloseEvent* event) {
    seat_->stop();
    QWidget::closeEvent(event);
}

// No exception may cross Qt's event loop: a run-time error in an event
// procedure is reported here and ends the program.
void Form1::forward(const std::function<void(Form1Procedures&)>& procedure) {
    try {
        procedure(*procedures_);
        display_->finishEvent();
        // Whatever the event was, the computer moves next if it is its turn.
        if (seat_) {
            seat_->playIfDue();
            updateMenu();
        }
    } catch (const std::exception& error) {
        Timer1_->stop();
        endWithRunTimeError(this, error.what());
    }
}

// A window manager frames the window only once it is up, so that first frame
// is centred again when it is known.
void Form1::moveEvent(QMoveEvent*) {
    if (!frameCentred_ && frameGeometry() != geometry()) {
        frameCentred_ = true;
        centreOnScreen(*this, screen());
    }
}

void Form1::paintEvent(QPaintEvent*) {
    // Decoding the icon's images would delay the first picture; the title bar
    // can take them once it is up.
    if (!iconRequested_) {
        iconRequested_ = true;
        QTimer::singleShot(0, this, [this] { setWindowIcon(programIcon()); });
    }
    QPainter painter(this);
    const QPixmap& picture = background_->at(devicePixelRatioF());
    if (picture.isNull())
        painter.fillRect(rect(), palette().color(QPalette::Window));
    else
        painter.drawPixmap(0, 0, picture);
}
