// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_display.h"

#include "auto_size_label.h"
#include "control_colours.h"
#include "frm_about.h"
#include "pit_label.h"
#include "pit_square.h"
#include "runtime_error.h"

#include <QMessageBox>
#include <QTimer>

#include <stdexcept>
#include <string>

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A control array item: an index outside 1..16 is a run-time error.
template <typename Control>
Control* item(const std::array<Control*, kalvora::kPitCount>& array, int pit) {
    if (!kalvora::isPitIndex(pit))
        throw kalvora::subscriptError();
    return array[kalvora::slot(pit)];
}

} // namespace

void QtDisplay::setPitCaption(int pit, std::string_view text) {
    item(controls_.angka, pit)->setText(toQString(text));
}

void QtDisplay::setPitForeColor(int pit, kalvora::Colour colour) {
    kalvora::setForeColor(item(controls_.angka, pit), kalvora::toQColor(colour));
}

void QtDisplay::setBoxBackColor(int pit, kalvora::Colour colour) {
    item(controls_.box, pit)->setBackColor(kalvora::toQColor(colour));
}

void QtDisplay::setStatusCaption(std::string_view text) {
    controls_.statuslbl->setCaption(toQString(text));
}

void QtDisplay::setTimeCaption(std::string_view text) {
    controls_.timelbl->setCaption(toQString(text));
}

void QtDisplay::setPlayerCaption(int index, std::string_view text) {
    if (index < 1 || index > 2)
        throw kalvora::subscriptError();
    controls_.playerlbl[static_cast<std::size_t>(index - 1)]->setCaption(toQString(text));
}

void QtDisplay::setTimerEnabled(bool enabled) {
    if (enabled)
        controls_.Timer1->start();
    else
        controls_.Timer1->stop();
}

// The game shows one kind of message box: OK alone with the critical icon.
// Any other style would be a fault of the game's own, reported like a
// run-time error rather than shown as some other box.
void QtDisplay::msgBox(std::string_view prompt, int style, std::string_view title) {
    if (style != kalvora::kMsgBoxCritical)
        throw std::logic_error("MsgBox style " + std::to_string(style) +
                               " is not one the game shows");
    QMessageBox::critical(controls_.window, toQString(title), toQString(prompt));
}

void QtDisplay::showAbout() {
    FrmAbout::showAbout();
}
