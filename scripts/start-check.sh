#!/usr/bin/env bash
# Starts PROGRAM on a display of its own, from a scratch folder and with an empty home, and walks
# it through the statement and About windows to its input window; then ends it.
# Usage: scripts/start-check.sh PROGRAM
set -euo pipefail
program=$1
scratch=$(mktemp -d)
xvfb_pid=""
prog_pid=""
cleanup() {
    [ -n "$prog_pid" ] && kill "$prog_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "start check: $*" >&2; exit 1; }

# The server picks a free display and says which: other servers on the machine stay apart.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 50); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$scratch/display")
mkdir -p "$scratch/home" "$scratch/elsewhere"
(cd "$scratch/elsewhere" &&
 HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config exec "$program") \
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
echo "start check: $program starts to its input window"
