#!/usr/bin/env bash
# Installs the built program into a scratch prefix and starts the installed copy, from another
# folder and with an empty home, through the statement and About windows to its input window.
# Usage: scripts/install-check.sh [BUILD_DIR]   (default build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
scratch=$(mktemp -d)
xvfb_pid=""
prog_pid=""
cleanup() {
    [ -n "$prog_pid" ] && kill "$prog_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "install check: $*" >&2; exit 1; }

prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/kordelan share/applications/kordelan.desktop \
         share/icons/hicolor/64x64/apps/kordelan.png share/kordelan/Drawings/vendrik.gif \
         share/kordelan/Help/Kordelan-Help.hlp; do
    [ -e "$prefix/$f" ] || fail "missing $f"
done
desktop-file-validate "$prefix/share/applications/kordelan.desktop"

# A display of our own: the windows are looked for by name and size.
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1
export DISPLAY=$display
mkdir -p "$scratch/home" "$scratch/elsewhere"
(cd "$scratch/elsewhere" &&
 HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config exec "$prefix/bin/kordelan") \
    >"$scratch/out.log" 2>&1 &
prog_pid=$!

# Waits until a visible window of that name is at least that wide; prints its id.
wait_window() {
    local name=$1 min_width=$2
    for _ in $(seq 1 100); do
        kill -0 "$prog_pid" 2>/dev/null || { cat "$scratch/out.log" >&2; fail "the program ended"; }
        for w in $(xdotool search --onlyvisible --name "$name" 2>/dev/null); do
            local width
            width=$(xdotool getwindowgeometry --shell "$w" | sed -n 's/^WIDTH=//p')
            [ "${width:-0}" -ge "$min_width" ] && { echo "$w"; return 0; }
        done
        sleep 0.2
    done
    fail "no window \"$name\" at least $min_width wide"
}

statement=$(wait_window '^Kordelan$' 100)
xdotool windowfocus --sync "$statement" key Return  # "Akceptuję"
about=$(wait_window '^O programie Kordelan$' 100)
xdotool windowfocus --sync "$about" key Return      # OK
wait_window '^Kordelan$' 800 >/dev/null               # the input window
[ -z "$(ls -A "$prefix/bin" | grep -v '^kordelan$')" ] || fail "files written beside bin/kordelan"
echo "install check: the installed program starts to its input window"
