// SPDX-License-Identifier: GPL-3.0-or-later
#include "play_choice.h"

#include <QSettings>

namespace {

const char* const kOpponentKey = "opponent";
const char* const kStrengthKey = "strength";

} // namespace

PlayChoice rememberedChoice() {
    PlayChoice choice;
    const QSettings settings;
    if (settings.status() != QSettings::NoError)
        return choice;
    const auto text = [&settings](const char* key) {
        return settings.value(QLatin1String(key)).toString().toStdString();
    };
    if (const auto opponent = kalvora::opponentNamed(text(kOpponentKey)))
        choice.opponent = *opponent;
    if (const auto level = kalvora::computer::levelNamed(text(kStrengthKey)))
        choice.level = *level;
    return choice;
}

// A file that cannot be written is left as it is: the choice holds for this
// run all the same.
void rememberChoice(const PlayChoice& choice) {
    QSettings settings;
    if (settings.status() != QSettings::NoError)
        return;
    settings.setValue(QLatin1String(kOpponentKey),
                      QString::fromLatin1(kalvora::opponentName(choice.opponent).data()));
    settings.setValue(QLatin1String(kStrengthKey),
                      QString::fromLatin1(kalvora::computer::settingsOf(choice.level).name));
}
