#!/usr/bin/env bash
# Installs the built program into a scratch prefix and starts the installed copy, from another
# folder and with an empty home, through the statement and About windows to its input window.
# Usage: scripts/install-check.sh [BUILD_DIR]   (default build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "install check: $*" >&2; exit 1; }

prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/kordelan share/applications/kordelan.desktop \
         share/icons/hicolor/64x64/apps/kordelan.png share/kordelan/Drawings/vendrik.gif \
         share/kordelan/Help/Kordelan-Help.hlp share/kordelan/Vendrik; do
    [ -e "$prefix/$f" ] || fail "missing $f"
done
desktop-file-validate "$prefix/share/applications/kordelan.desktop"

"$root/scripts/start-check.sh" "$prefix/bin/kordelan"
[ -z "$(ls -A "$prefix/bin" | grep -v '^kordelan$')" ] || fail "files written beside bin/kordelan"
echo "install check: the installed program starts to its input window"
