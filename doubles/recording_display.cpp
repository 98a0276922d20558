// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_display.h"

namespace kalvora {

std::string colourHex(Colour colour) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex(6, '0');
    for (int i = 5; i >= 0; --i, colour >>= 4)
        hex[static_cast<std::size_t>(i)] = digits[colour & 0xF];
    return hex;
}

namespace {
void quoted(std::ostream& out, std::string_view text) {
    out << '"' << text << '"';
}
} // namespace

void RecordingDisplay::setPitCaption(int pit, std::string_view text) {
    out_ << "caption angka " << pit << ' ';
    quoted(out_, text);
    out_ << '\n';
}

void RecordingDisplay::setPitForeColor(int pit, Colour colour) {
    out_ << "forecolor angka " << pit << ' ' << colourHex(colour) << '\n';
}

void RecordingDisplay::setBoxBackColor(int pit, Colour colour) {
    out_ << "backcolor box " << pit << ' ' << colourHex(colour) << '\n';
}

void RecordingDisplay::setStatusCaption(std::string_view text) {
    out_ << "caption statuslbl ";
    quoted(out_, text);
    out_ << '\n';
}

void RecordingDisplay::setTimeCaption(std::string_view text) {
    out_ << "caption timelbl ";
    quoted(out_, text);
    out_ << '\n';
}

void RecordingDisplay::setPlayerCaption(int index, std::string_view text) {
    out_ << "caption playerlbl " << index << ' ';
    quoted(out_, text);
    out_ << '\n';
}

void RecordingDisplay::setTimerEnabled(bool enabled) {
    timerEnabled_ = enabled;
    out_ << (enabled ? "timer on\n" : "timer off\n");
}

void RecordingDisplay::msgBox(std::string_view prompt, int style, std::string_view title) {
    out_ << "msgbox ";
    quoted(out_, prompt);
    out_ << ' ' << style << ' ';
    quoted(out_, title);
    out_ << '\n';
}

void RecordingDisplay::showAbout() {
    out_ << "show frmAbout\n";
}

} // namespace kalvora
