// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A square's name as a screen reader reads it, with its count.

#include "vocabulary.h"

#include <QString>

// "Player one, pit 3, 7 seeds": the pit's name and the count its label shows.
QString spokenPitName(int pit, const QString& count,
                      kalvora::Player secondSeat = kalvora::PlayerTwo);
