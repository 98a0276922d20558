// SPDX-License-Identifier: GPL-3.0-or-later
#include "spoken_pit_name.h"

#include "pit_names.h"

QString spokenPitName(int pit, const QString& count, kalvora::Player secondSeat) {
    const char* seeds = count == QLatin1String("1") ? "seed" : "seeds";
    return QStringLiteral("%1, %2 %3")
        .arg(QString::fromStdString(kalvora::pitName(pit, secondSeat)), count,
             QLatin1String(seeds));
}
