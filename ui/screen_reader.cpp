// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_reader.h"

#include "auto_size_label.h"
#include "fixed_texts.h"
#include "pit_label.h"
#include "pit_names.h"
#include "pit_square.h"

#include <QAccessibleWidget>

namespace {

// Qt would present the window and the squares as plain client areas, which
// readers pass over, and has no notification of its own.
QAccessibleInterface* accessibleRole(const QString& className, QObject* object) {
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("Form1"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("PitSquare"))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    if (className == QLatin1String("Announcement"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

} // namespace

void installAccessibleRoles() {
    QAccessible::installFactory(accessibleRole);
}

QString spokenPitName(int pit, const QString& count, kalvora::Player secondSeat) {
    const char* seeds = count == QLatin1String("1") ? "seed" : "seeds";
    return QStringLiteral("%1, %2 %3")
        .arg(QString::fromStdString(kalvora::pitName(pit, secondSeat)), count,
             QLatin1String(seeds));
}

Announcement::Announcement(QWidget* parent) : QWidget(parent) {
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

// Told to appear again, without hiding and showing the widget, which would
// only repaint the window beneath it.
void Announcement::announce(const QString& text) {
    setAccessibleName(text);
    QAccessibleEvent appeared(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&appeared);
}

SpokenDisplay::SpokenDisplay(const Controls& controls, Announcement* announcement)
    : QtDisplay(controls), box_(controls.box), angka_(controls.angka),
      statuslbl_(controls.statuslbl), announcement_(announcement) {}

void SpokenDisplay::setPitCaption(int pit, std::string_view text) {
    QtDisplay::setPitCaption(pit, text); // rejects a pit outside 1..16
    PitSquare* square = box_[kalvora::slot(pit)];
    const QString count = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QString name = spokenPitName(pit, count, secondSeat_);
    // A move writes all sixteen counts; only a changed one is news.
    if (square->accessibleName() != name)
        square->setAccessibleName(name);
    news_ = true;
}

void SpokenDisplay::setStatusCaption(std::string_view text) {
    QtDisplay::setStatusCaption(text);
    news_ = true;
}

void SpokenDisplay::setPlayerCaption(int index, std::string_view text) {
    QtDisplay::setPlayerCaption(index, text);
    if (index != 2)
        return;
    secondSeat_ = text == kalvora::text::kPlayerNames[kalvora::Computer - kalvora::PlayerOne]
                      ? kalvora::Computer
                      : kalvora::PlayerTwo;
    for (int pit = kalvora::kPlayerOneStore + 1; pit <= kalvora::kPitCount; ++pit) {
        const std::size_t slot = kalvora::slot(pit);
        box_[slot]->setAccessibleName(spokenPitName(pit, angka_[slot]->text(), secondSeat_));
    }
}

void SpokenDisplay::finishEvent() {
    if (!news_) {
        leadIn_.clear();
        return;
    }
    news_ = false;
    const QString status = statuslbl_->text();
    say(leadIn_.isEmpty() ? status : leadIn_ + QLatin1Char(' ') + status);
    leadIn_.clear();
}

void SpokenDisplay::leadNextNewsWith(const QString& text) {
    leadIn_ = text;
}

void SpokenDisplay::say(const QString& text) {
    announcement_->announce(text);
}
