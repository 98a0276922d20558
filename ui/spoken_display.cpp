// SPDX-License-Identifier: GPL-3.0-or-later
#include "spoken_display.h"

#include "announcement.h"
#include "auto_size_label.h"
#include "fixed_texts.h"
#include "pit_label.h"
#include "pit_square.h"
#include "spoken_pit_name.h"

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
