#!/usr/bin/env bash
# Runs a program on the X display that xvfb-run made, first starting the
# window manager named as the first argument ("none" for a bare X server).
# Usage: xvfb-run -a on_desktop.sh openbox|none program [arguments]
set -euo pipefail
manager=$1
shift
if [ "$manager" != none ]; then
    "$manager" >/dev/null 2>&1 &
    manager_pid=$!
    trap 'kill "$manager_pid" 2>/dev/null || true' EXIT
    # Ready once it has claimed the screen (EWMH's supporting-window check).
    for _ in $(seq 1 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
fi
export QT_QPA_PLATFORM=xcb
"$@"
