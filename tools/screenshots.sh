#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Zelta contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Takes the README's pictures from the real program on a virtual screen, into screenshots/.
# Usage: tools/screenshots.sh [BUILD_DIR]   (default: build; the readme_shots target is built)
# Extra environment passes through, e.g. QT_SCALE_FACTOR=2 with OUT=/tmp/shots2.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${OUT:-screenshots}
cmake --build "$build" --target readme_shots -j2 >/dev/null
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    "$build/tools/readme_shots" "$out"
ls -l "$out"/*.png
