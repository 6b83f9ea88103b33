#!/bin/sh

# SPDX-FileCopyrightText: 2026 Zelta contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a test program on a desktop of its own: a virtual X server on a free display with
# openbox managing its windows, both started here and stopped when the program ends.
# Usage: run.sh openbox|none PROGRAM [ARGS...]. Exits 77 (skipped) where Xvfb is missing.
set -u
wm=$1
shift
command -v Xvfb >/dev/null 2>&1 || { echo "Xvfb is not installed: skipped"; exit 77; }
for tool in xprop xwininfo $([ "$wm" = none ] || echo "$wm"); do
    command -v $tool >/dev/null 2>&1 || { echo "$tool is not installed"; exit 1; }
done
dir=$(mktemp -d)
xpid= wpid=
stop() {
    [ -n "$wpid" ] && kill "$wpid" 2>/dev/null && wait "$wpid" 2>/dev/null
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null && wait "$xpid" 2>/dev/null
    rm -rf "$dir"
}
trap stop EXIT

# The server writes its display number into the pipe once it takes connections.
mkfifo "$dir/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$dir/display" \
    >"$dir/xvfb.log" 2>&1 &
xpid=$!
read -r number <"$dir/display" || { cat "$dir/xvfb.log"; exit 1; }
export DISPLAY=":$number"

# The window manager is ready once it has announced itself on the root window.
if [ "$wm" != none ]; then
    "$wm" >"$dir/wm.log" 2>&1 &
    wpid=$!
    tries=0
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        tries=$((tries + 1))
        if [ $tries -gt 400 ] || ! kill -0 "$wpid" 2>/dev/null; then
            echo "$wm did not start"
            cat "$dir/wm.log"
            exit 1
        fi
        sleep 0.05
    done
fi

QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 "$@"
exit $?
