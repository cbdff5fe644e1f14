#!/usr/bin/env bash
# Configures and builds into build/ (Release with warnings as errors).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORDELAN_WERROR=ON >/dev/null
cmake --build "$root/build" -j"$(nproc)"
