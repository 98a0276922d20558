#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The menu entry and the AppStream metadata pass their validators, and both
# carry the names of the version block.
set -euo pipefail
desktop="$1" metainfo="$2"
desktop-file-validate "$desktop"
appstreamcli validate --no-net --pedantic "$metainfo"
grep -qx 'Categories=Game;BoardGame;' "$desktop"
grep -qx 'Exec=kalvora' "$desktop"
grep -q '<name>Tembrel International</name>' "$metainfo"
echo "desktop files valid"
