#pragma once
// box(i): a square filled with its background colour inside a sunken edge.
// It takes the focus in its turn but answers no key and no mouse; the pit's
// label inside it does that.

#include <QWidget>

class PitSquare : public QWidget {
    Q_OBJECT

public:
    explicit PitSquare(QWidget* parent = nullptr);

    void setBackColor(const QColor& colour);
    QColor backColor() const { return backColor_; }
    // The area inside the edge, where the square's children are placed.
    QRect clientRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor backColor_;
};
