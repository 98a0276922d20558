// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The roles a screen reader is told for the game's own widgets: each window
// reads as a frame, each square as a panel and an Announcement as a
// notification.

// Installs the one factory that presents them. Each window calls it before it
// is first read; the factory is installed only the first time.
void installAccessibleRoles();
