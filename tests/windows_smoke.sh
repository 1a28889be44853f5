#!/bin/sh
# Starts the window program of the Windows build under Wine with the Windows
# platform plugin on a virtual display, waits for its window, closes it as a
# user would (Alt+F4), and checks that it ended cleanly and kept its settings
# beside the program. Usage: windows_smoke.sh <zentadial.exe> <wine-run>
set -u
exe="$1"
wine_run="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$exe" "$work/zentadial.exe"

xvfb-run -a -s "-screen 0 1280x800x24" sh -c '
    QT_QPA_PLATFORM=windows "$1" "$2" &
    program=$!
    window=""
    for _ in $(seq 1 120); do
        window=$(xdotool search --name "^Zentadial\$" 2>/dev/null | head -n 1)
        [ -n "$window" ] && break
        sleep 1
    done
    if [ -z "$window" ]; then
        echo "smoke: no window appeared"
        kill "$program"
        exit 1
    fi
    echo "smoke: window shown"
    sleep 3
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    xdotool key --window "$window" alt+F4
    for _ in $(seq 1 60); do
        kill -0 "$program" 2>/dev/null || break
        sleep 1
    done
    if kill -0 "$program" 2>/dev/null; then
        echo "smoke: the window did not close"
        kill "$program"
        exit 1
    fi
    wait "$program"
' smoke "$wine_run" "$work/zentadial.exe"
status=$?
if [ "$status" -ne 0 ]; then
    echo "smoke: ended with status $status"
    exit 1
fi
if [ ! -f "$work/Zentadial.dat" ]; then
    echo "smoke: closing wrote no Zentadial.dat beside the program"
    exit 1
fi
# A first start stores nothing the user chose: two empty CR LF lines.
if ! printf '\r\n\r\n' | cmp -s - "$work/Zentadial.dat"; then
    echo "smoke: Zentadial.dat is not two empty CR LF lines"
    exit 1
fi
echo "smoke: closed cleanly, settings kept beside the program"
