#!/bin/sh
# Starts the window program of the Windows build under Wine with the Windows
# platform plugin on a virtual display, waits for its window, closes it as a
# user would (Alt+F4), and checks that it ended cleanly and kept its settings
# beside the program. Usage: windows_smoke.sh <zentadial.exe> <wine-run>
set -u
exe="$1"
wine_run="$2"
settings="$(dirname "$exe")/Zentadial.dat"
rm -f "$settings"
# A prefix of its own: Wine's desktop process keeps the display of the first
# program of a prefix, and the other tests run without one.
prefix=$(mktemp -d)
trap 'rm -f "$settings"; rm -rf "$prefix"' EXIT
export WINEPREFIX="$prefix/wine"

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
    status=$?
    wineserver -k 2>/dev/null
    exit $status
' smoke "$wine_run" "$exe"
status=$?
if [ "$status" -ne 0 ]; then
    echo "smoke: ended with status $status"
    exit 1
fi
if [ ! -f "$settings" ]; then
    echo "smoke: closing wrote no Zentadial.dat beside the program"
    exit 1
fi
# A first start stores nothing the user chose: two empty CR LF lines.
if ! printf '\r\n\r\n' | cmp -s - "$settings"; then
    echo "smoke: Zentadial.dat is not two empty CR LF lines"
    exit 1
fi
echo "smoke: closed cleanly, settings kept beside the program"
