#!/usr/bin/env bash
# Builds with clang under AddressSanitizer + UndefinedBehaviorSanitizer into build-asan/ and runs
# every test there; any report, a leak included, fails its test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
cd "$root"
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$(nproc)"
ctest --preset asan -j"$(nproc)"
