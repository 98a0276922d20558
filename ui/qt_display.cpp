#include "qt_display.h"

#include "auto_size_label.h"
#include "control_colours.h"
#include "frm_about.h"
#include "pit_label.h"
#include "pit_square.h"
#include "runtime_error.h"

#include <QMessageBox>
#include <QTimer>

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A control array item: an index outside 1..16 is a run-time error.
template <typename Control>
Control* item(const std::array<Control*, kalvora::kPitCount>& array, int pit) {
    if (!kalvora::isPitIndex(pit))
        throw kalvora::subscriptError();
    return array[static_cast<std::size_t>(pit - 1)];
}

// MsgBox style: the low bits pick the buttons, 16..64 the icon.
QMessageBox::Icon msgBoxIcon(int style) {
    switch (style & 0x70) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons msgBoxButtons(int style) {
    switch (style & 0x7) {
    case 1:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case 2:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case 3:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case 4:
        return QMessageBox::Yes | QMessageBox::No;
    case 5:
        return QMessageBox::Retry | QMessageBox::Cancel;
    default:
        return QMessageBox::Ok;
    }
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

void QtDisplay::setTimerEnabled(bool enabled) {
    if (enabled)
        controls_.Timer1->start();
    else
        controls_.Timer1->stop();
}

void QtDisplay::msgBox(std::string_view prompt, int style, std::string_view title) {
    QMessageBox box(msgBoxIcon(style), toQString(title), toQString(prompt), msgBoxButtons(style),
                    controls_.window);
    box.exec();
}

void QtDisplay::showAbout() {
    FrmAbout::showAbout();
}
