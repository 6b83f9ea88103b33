#!/bin/sh
# SPDX-FileCopyrightText: 2026 Zelta contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders a manual page the way man shows it on an 80-column terminal, with groff's warnings
# on, and fails if anything at all is written to standard error. Exit 77: man is missing.
#   check_manual.sh PAGE
command -v man >/dev/null || { echo "man is not installed"; exit 77; }
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$1" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
    printf '%s\n' "$warnings"
    exit 1
fi
