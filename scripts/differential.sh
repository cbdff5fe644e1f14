#!/usr/bin/env bash
# The full differential test: 10000 random designs of each case (or $1) through the literal scans
# and the program's searches, in shards side by side ($2 of them, 4 unless given). Run it after
# changing a search; the suite runs a few designs of each case only.
# Usage: scripts/differential.sh [designs] [shards] [gtest filter, e.g. Differential.Shear]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
designs=${1:-10000}
shards=${2:-4}
filter=${3:-Differential.*}
"$root/scripts/build.sh"
bin="$root/build/kordelan_engine_tests"
logs=$(mktemp -d)
pids=()
for ((k = 0; k < shards; k++)); do
    KORDELAN_DIFFERENTIAL_DESIGNS=$designs KORDELAN_DIFFERENTIAL_SHARD=$k/$shards \
        "$bin" --gtest_filter="$filter" >"$logs/shard$k.log" 2>&1 &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
# Each shard's counts, then the sums of each case.
grep -h "designs compared" "$logs"/shard*.log | awk -F'[:,]' '
    { split($2, a, " "); split($3, b, " "); split($4, c, " ");
      n[$1] += a[1]; s[$1] += b[1]; d[$1] += c[1]; if (!($1 in seen)) { seen[$1] = 1; order[++k] = $1 } }
    END { for (i = 1; i <= k; i++) printf "%s: %d designs compared, %d succeeded, %d differ\n", order[i], n[order[i]], s[order[i]], d[order[i]] }'
if [ "$status" -ne 0 ]; then
    grep -h "design [0-9]*:" "$logs"/shard*.log | head -20
    echo "differences found; logs in $logs" >&2
fi
exit "$status"
