#!/usr/bin/env bash
# Configures and builds into build/ (the dev preset: RelWithDebInfo, with the tests and the
# benchmark). Warnings are errors only with KORDELAN_WERROR=ON in the environment, as CI sets it:
# a newer compiler's new warning must not stop a user's build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
cd "$root"
cmake --preset dev -DKORDELAN_WERROR="${KORDELAN_WERROR:-OFF}" >/dev/null
cmake --build --preset dev -j"$(nproc)"
