#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Kalvora and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh play
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKALVORA_BUILD_TESTS=OFF
cmake --build build -j "$(nproc)" --target kalvora
exec build/ui/kalvora
