#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through CTest (no display needed).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
start=$SECONDS
"$root/scripts/build.sh"
echo "=== Build: $((SECONDS - start)) s"
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
