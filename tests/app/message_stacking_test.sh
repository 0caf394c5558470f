#!/usr/bin/env bash
# Starts the program without a bank on a virtual display with no window
# manager and checks that its start-up message stands above the main window
# in the X stacking order (xwininfo lists the top window first).
set -euo pipefail
program_dir=$1
work=$(mktemp -d)
trap 'kill "${pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$program_dir"/. "$work"
rm -f "$work/Data/med.mdb"
export QT_QPA_PLATFORM=xcb
"$work/velkora" >"$work/log" 2>&1 &
pid=$!
for _ in $(seq 1 60); do
    windows=$(xwininfo -root -children | grep -F '"Velkora": ("velkora"' || true)
    if [ "$(printf '%s\n' "$windows" | grep -c 'velkora')" -ge 2 ]; then
        sleep 2 # the main window's page view settles, which makes its window anew
        top=$(xwininfo -root -children | grep -F '"Velkora": ("velkora"' | head -n 1)
        case "$top" in
        *1024x768*) echo "the main window covers the message: $top"; exit 1 ;;
        *) echo "message on top: $top"; exit 0 ;;
        esac
    fi
    sleep 0.5
done
echo "no message box appeared"
cat "$work/log"
exit 1
