#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (clang, the core alone) and runs each for
# SECONDS (default 30), one on each CPU core. New inputs go to build/fuzz/corpus/NAME;
# the seeds in tests/fuzz/corpus/NAME are only read. Fails when a target finds
# a crash, a leak or a timeout, and keeps that input in build/fuzz/artifacts/.
# A longer run: tests/fuzz/run.sh 300
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/deps.sh
needs cmake ninja-build "${FUZZ_PACKAGES[@]}"
seconds=${1:-30}
build=build/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DGEOMIRA_CORE_ONLY=ON \
    -DGEOMIRA_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cores=$(nproc)
cmake --build "$build" -j "$cores" --target fuzzers
rm -rf "$build/logs" "$build/artifacts"
mkdir -p "$build/logs"

# Runs one target and says how it went; a fault leaves build/fuzz/logs/failed.
fuzz() {
    local log=$build/logs/$1.log
    mkdir -p "$build/corpus/$1" "$build/artifacts/$1"
    if "$build/tests/fuzz/fuzz_$1" -max_total_time="$seconds" -timeout=10 -artifact_prefix="$build/artifacts/$1/" \
        "$build/corpus/$1" "tests/fuzz/corpus/$1" >"$log" 2>&1; then
        printf '%-18s %s\n' "$1" "$(grep -E '^Done [0-9]+ runs' "$log")"
    else
        touch "$build/logs/failed"
        echo "$1: FAULT FOUND (log: $log)"
        grep -E 'ERROR|SUMMARY|property broken|runtime error|Test unit written|Base64' "$log" | sed 's/^/    /'
    fi
}

targets=$(ls tests/fuzz/corpus)
echo "Fuzzing $(wc -w <<<"$targets") targets for $seconds s each, $cores at a time..."
for name in $targets; do
    [ -x "$build/tests/fuzz/fuzz_$name" ] || { echo "error: tests/fuzz/corpus/$name has no fuzz target" >&2; exit 1; }
    while [ "$(jobs -rp | wc -l)" -ge "$cores" ]; do wait -n || true; done
    fuzz "$name" &
done
wait
[ ! -e "$build/logs/failed" ]
