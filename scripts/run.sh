#!/usr/bin/env bash
# Installs what is missing, builds and starts Kordelan.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
exec "$root/build/kordelan" "$@"
