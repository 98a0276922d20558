// SPDX-License-Identifier: GPL-3.0-or-later
// Prints where every named control of the main window lies, as the window
// itself lays it out: one line per control, back to front,
//   NAME LEFT TOP WIDTH HEIGHT
// in pixels of the window's client area, then the same for the artwork of
// the background picture, named background.title and so on, and last, in a
// block of their own, the colours a pit starts in,
//   colour NAME BBGGRR
// as &HBBGGRR numbers, the way the replay driver prints a colour. Scripts and
// tests that need a position or a colour read it here instead of writing it
// again.
//   kalvora-layout --texts
// prints instead the words the window and each control show or speak, and
// the tooltip, one control a line: NAME, tab, WORDS, tab, TOOLTIP.

#include "colours.h"
#include "control_layout.h"
#include "form1.h"

#include <QApplication>
#include <QLabel>
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

void printArtwork(QTextStream& out) {
    namespace layout = kalvora::layout;
    const std::pair<const char*, QRect> artwork[] = {
        {"panel", layout::kBoardPanel},
        {"strip", layout::kStatusStrip},
        {"title", layout::kTitle},
        {"maker", layout::kMakerName},
    };
    for (const auto& [name, at] : artwork)
        out << "background." << name << ' ' << at.x() << ' ' << at.y() << ' ' << at.width() << ' '
            << at.height() << '\n';
}

// A label speaks its text; a window its title; any other control the name
// it was given for a screen reader.
void printTexts(QTextStream& out, const QWidget& window) {
    out << window.objectName() << '\t' << window.windowTitle() << '\t' << window.toolTip() << '\n';
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(control);
        const QString words = label ? label->text() : control->accessibleName();
        if (control->objectName().isEmpty() || (words.isEmpty() && control->toolTip().isEmpty()))
            continue;
        out << control->objectName() << '\t' << words << '\t' << control->toolTip() << '\n';
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
    const bool texts = argc == 2 && QLatin1String(argv[1]) == QLatin1String("--texts");
    if (argc > 2 || (argc == 2 && !texts)) {
        QTextStream(stderr) << "kalvora-layout: takes no argument but --texts, got '"
                            << argv[argc - 1] << "'\n";
        return 2;
    }
    Form1 form;
    QTextStream out(stdout);
    if (texts) {
        printTexts(out, form);
        return 0;
    }
    out << form.objectName() << " 0 0 " << form.width() << ' ' << form.height() << '\n';
    printControls(out, form, form);
    printArtwork(out);
    printColours(out);
    return 0;
}
