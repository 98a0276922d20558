#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of the repository names its licence near its top: the
# C++, CMake, shell and Python files, the templates, debian/rules and
# debian/control, and every other file that starts with #!.
#   spdx_lines_test.sh SOURCE_DIR
set -eu
cd "$1"
git rev-parse --git-dir >/dev/null 2>&1 || { echo "SKIP: not a git checkout"; exit 77; }
unmarked=$(git ls-files --cached --others --exclude-standard | while read -r file; do
    [ -f "$file" ] || continue
    case $file in
        *.cpp | *.h | *.in | *.py | *.sh | *.cmake | CMakeLists.txt | */CMakeLists.txt) ;;
        debian/rules | debian/control) ;;
        *) [ "$(head -c 2 "$file")" = "#!" ] || continue ;;
    esac
    head -n 5 "$file" | grep -q 'SPDX-License-Identifier: ' || echo "$file"
done)
[ -z "$unmarked" ] || { printf 'FAIL: no SPDX-License-Identifier line in:\n%s\n' "$unmarked"; exit 1; }
echo "PASS: every source file names its licence"
