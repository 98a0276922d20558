// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reaches the main window's controls by their names, and plays events on it
// the way a user would: clicks on buttons and labels, pointer movement.

#include "control_layout.h"
#include "form1.h"
#include "pit_label.h"
#include "pit_square.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

namespace kalvora::testing {

template <typename Control = QWidget> Control* control(Form1& form, const QString& name) {
    auto* found = form.findChild<Control*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

inline PitSquare* box(Form1& form, int pit) {
    return control<PitSquare>(form, QStringLiteral("box%1").arg(pit));
}
inline PitLabel* angka(Form1& form, int pit) {
    return control<PitLabel>(form, QStringLiteral("angka%1").arg(pit));
}

// Where the layout puts each control, in pixels of its parent: the window's,
// or for a pit label the inside of its square. A free label sizes itself to
// its text, so only its top left corner holds.
struct Placement {
    QString name;
    QRect rect;
    bool sizesToText = false;
};

inline QList<Placement> placements() {
    namespace layout = kalvora::layout;
    QList<Placement> all;
    const auto add = [&all](const auto& rows, bool sizesToText) {
        for (const layout::Control* row : rows)
            all.append({row->name, row->toRect(), sizesToText});
    };
    add(layout::kShapes, false);
    add(layout::kPictureButtons, false);
    add(layout::kFreeLabels, true);
    const QPoint inside(layout::kSquareEdge, layout::kSquareEdge);
    for (int pit = 1; pit <= kalvora::kPitCount; ++pit) {
        all.append({QStringLiteral("box%1").arg(pit), layout::kBoxes[kalvora::slot(pit)].toRect()});
        all.append({QStringLiteral("angka%1").arg(pit),
                    layout::pitLabel(pit).toRect().translated(inside)});
    }
    return all;
}

// "new1", "stop1", "option1", "about1": a click on the button; "angkaN": a
// click on pit N's label; "moveN": the pointer moves onto pit N's label.
inline void play(Form1& form, const QStringList& events) {
    for (const QString& event : events) {
        if (event.startsWith(QLatin1String("angka"))) {
            QTest::mouseClick(control(form, event), Qt::LeftButton);
        } else if (event.startsWith(QLatin1String("move"))) {
            QTest::mouseMove(angka(form, event.mid(4).toInt()));
        } else {
            QTest::mouseClick(control(form, event), Qt::LeftButton);
        }
    }
}

// Shows the window and waits for its icon, which it takes only once its first
// picture is up.
inline bool shownWithIcon(Form1& form) {
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return false;
    return QTest::qWaitFor([&form] { return form.testAttribute(Qt::WA_SetWindowIcon); });
}

// A self-sizing label is as large as its text, give or take the pixel that
// the text's bounding box adds.
inline bool sizedToText(const QLabel* label) {
    const QFontMetrics metrics(label->font());
    const int advance = metrics.horizontalAdvance(label->text());
    return label->width() >= advance && label->width() <= advance + 2 &&
           label->height() >= metrics.height() && label->height() <= metrics.height() + 2;
}

inline QStringList captions(Form1& form) {
    QStringList texts;
    for (int pit = 1; pit <= 16; ++pit)
        texts << angka(form, pit)->text();
    return texts;
}

// Runs `inspect` on the next modal box once it is up, then dismisses it with
// its first button. Arm it before the event that opens the box.
inline void whenModalBoxOpens(const std::function<void(QMessageBox*)>& inspect) {
    QTimer::singleShot(10, [inspect] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            whenModalBoxOpens(inspect);
            return;
        }
        inspect(box);
        box->buttons().first()->click();
    });
}

// Shown and active, with the focus where the window keeps it.
inline void activate(QWidget& window) {
    window.show();
    window.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &window);
}

// The popup that `open` brings up, closed again once it is up; null if none.
inline QWidget* popupOpenedBy(const std::function<void()>& open) {
    QWidget* popup = nullptr;
    QTimer::singleShot(50, [&popup] {
        popup = QApplication::activePopupWidget();
        if (popup)
            popup->close();
    });
    open();
    return QTest::qWaitFor([&popup] { return popup != nullptr; }, 2000) ? popup : nullptr;
}

} // namespace kalvora::testing
