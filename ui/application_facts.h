// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's name, maker and version, as the version block gives them.

void setApplicationFacts();
