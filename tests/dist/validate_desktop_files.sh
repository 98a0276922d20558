#!/usr/bin/env bash
# The menu entry and the AppStream metadata pass their validators, and both
# carry the version and names of the version block.
set -euo pipefail
desktop="$1" metainfo="$2" version_string="$3"
desktop-file-validate "$desktop"
appstreamcli validate --no-net --pedantic "$metainfo"
grep -qx 'Categories=Game;BoardGame;' "$desktop"
grep -qx 'Exec=kalvora' "$desktop"
grep -q "<release version=\"$version_string\"" "$metainfo"
grep -q '<developer_name>Tembrel International</developer_name>' "$metainfo"
echo "desktop files valid"
