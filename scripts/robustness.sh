#!/usr/bin/env bash
# The random robustness test of the three designs in full: RUNS inputs per case (default 10000),
# half typed and half read from a file, each design held to 2 s; the cases run side by side.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
cd "$root/build"
KORDELAN_ROBUSTNESS_RUNS=${1:-10000} QT_QPA_PLATFORM=offscreen \
    ctest -R 'DesignRobustnessTest' -j3 --timeout 3600 --output-on-failure
