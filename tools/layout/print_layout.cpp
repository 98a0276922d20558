// SPDX-License-Identifier: GPL-3.0-or-later
// Prints where every named control of the main window lies, as the window
// itself lays it out: one line per control, back to front,
//   NAME LEFT TOP WIDTH HEIGHT
// in pixels of the window's client area, and then, in a block of their own,
// the colours a pit starts in,
//   colour NAME BBGGRR
// as &HBBGGRR numbers, the way the replay driver prints a colour. Scripts and
// tests that need a position or a colour read it here instead of writing it
// again.

#include "colours.h"
#include "form1.h"

#include <QApplication>
#include <QTextStream>
#include <QWidget>

#include <utility>

namespace {

void printControls(QTextStream& out, const QWidget& window, const QWidget& parent) {
    for (QObject* child : parent.children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || control->objectName().isEmpty())
            continue;
        const QRect at(control->mapTo(&window, QPoint(0, 0)), control->size());
        out << control->objectName() << ' ' << at.x() << ' ' << at.y() << ' ' << at.width() << ' '
            << at.height() << '\n';
        printControls(out, window, *control);
    }
}

void printColours(QTextStream& out) {
    const std::pair<const char*, kalvora::Colour> colours[] = {
        {"player-one", kalvora::kPlayerOneColour},
        {"player-two", kalvora::kPlayerTwoColour},
        {"grey", kalvora::kGrey},
        {"white", kalvora::kWhite},
    };
    for (const auto& [name, colour] : colours)
        out << "colour " << name << ' '
            << QString::number(colour, 16).toUpper().rightJustified(6, QLatin1Char('0')) << '\n';
}

} // namespace

int main(int argc, char* argv[]) {
    // No screen is needed to lay the window out.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1) {
        QTextStream(stderr) << "kalvora-layout: takes no arguments, got '" << argv[1] << "'\n";
        return 2;
    }
    Form1 form;
    QTextStream out(stdout);
    out << form.objectName() << " 0 0 " << form.width() << ' ' << form.height() << '\n';
    printControls(out, form, form);
    printColours(out);
    return 0;
}
