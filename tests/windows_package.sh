#!/bin/sh
# Unpacks the Windows zip into an empty folder and runs it in a fresh Wine
# prefix with nothing else installed: no SDK on the DLL path, no plugin path.
# Usage: windows_package.sh <zip> <wine-run>
set -u
zip="$1"
wine_run="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work" || exit 1
program=$(ls -d "$work"/zentadial-*-win64)
export ZENTADIAL_WINE_BARE=1
export WINEPREFIX="$work/prefix"
fail() {
    echo "package: $*"
    exit 1
}

[ -s "$program/README.txt" ] || fail "no user's read-me in the zip"

version=$("$wine_run" "$program/zentadial-cli.exe" --version 2>&1 | tr -d '\r')
echo "package: zentadial-cli.exe --version: $version"
case "$version" in
zentadial-cli\ [0-9]*) ;;
*) fail "no version from zentadial-cli.exe" ;;
esac

printf 'BEGIN_ENVIRONMENT\r\n  Date MJD 51982.5\r\nEND_ENVIRONMENT\r\n' >"$work/a.scn"
"$wine_run" "$program/zentadial-cli.exe" rewrite --mjd 53005.5 "Z:$(echo "$work/a.scn" | tr / '\\')" \
    >/dev/null 2>&1 || fail "the rewrite failed"
printf 'BEGIN_ENVIRONMENT\r\n  Date MJD 53005.5     ; 1/1/2004 12:00:00 PM\r\nEND_ENVIRONMENT\r\n' |
    cmp -s - "$work/a.scn" || fail "the rewritten file is not as expected: $(od -c "$work/a.scn")"
echo "package: rewrite through zentadial-cli.exe done"

"$here/windows_smoke.sh" "$program/zentadial.exe" "$wine_run" || fail "the window did not run"
