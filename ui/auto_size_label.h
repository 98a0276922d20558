// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A free label that sizes itself to its text, growing and shrinking to the
// right from a fixed left edge.

#include <QLabel>

class AutoSizeLabel : public QLabel {
    Q_OBJECT

public:
    explicit AutoSizeLabel(QWidget* parent = nullptr) : QLabel(parent) {
        setTextFormat(Qt::PlainText);
    }

    void setCaption(const QString& text) {
        setText(text);
        // The clock's digits keep its width from tick to tick: a re-layout
        // then changes nothing and would only cost time on every tick.
        if (sizeHint() != size())
            adjustSize(); // a child's resize keeps its top-left corner
    }
};
