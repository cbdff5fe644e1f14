#!/usr/bin/env bash
# Builds the fuzzers (clang, libFuzzer, ASan/UBSan) into build-fuzz/ and runs each for SECONDS
# (default 60), one after the other, from the seeds in fuzz/corpus/. What they find grows
# build-fuzz/corpus/; an input that fails is kept as build-fuzz/crashes/NAME-* and ends the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$root/scripts/deps.sh"
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"
mkdir -p build-fuzz/crashes
for name in InputFile NumberParser NumberPatterns; do
    mkdir -p "build-fuzz/corpus/$name"
    log="build-fuzz/$name.log"
    status=0
    QT_QPA_PLATFORM=offscreen "build-fuzz/kordelan_fuzz_$name" -max_total_time="$seconds" \
        -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/crashes/$name-" \
        "build-fuzz/corpus/$name" "fuzz/corpus/$name" >"$log" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
        tail -n 80 "$log"
        echo "--- $name failed (exit $status); the input is in build-fuzz/crashes/"
        exit 1
    fi
    echo "--- $name: $(grep -E '^Done [0-9]+ runs' "$log" | tail -n 1), no failure"
done
