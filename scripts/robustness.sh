#!/usr/bin/env bash
# The random robustness test of the three designs in full: RUNS inputs per case (default 10000),
# half typed and half read from a file, each design held to 2 s; the cases run side by side.
# Prints the slowest design of each case.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
cd "$root/build"
log=$(mktemp)
status=0
KORDELAN_ROBUSTNESS_RUNS=${1:-10000} QT_QPA_PLATFORM=offscreen \
    ctest -R 'DesignRobustnessTest' -j3 --timeout 3600 -V >"$log" 2>&1 || status=$?
# All of it on a failure; always the slowest design of each case, so that a slow one shows.
if [ "$status" -ne 0 ]; then cat "$log"; fi
grep -o '[A-Za-z]*: slowest design .*' "$log" || true
grep 'tests failed out of' "$log" || true
rm -f "$log"
exit "$status"
