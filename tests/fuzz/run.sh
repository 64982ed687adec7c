#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, the core alone) and runs each for
# SECONDS (default 30), two at a time. New inputs go to build/fuzz/corpus/NAME;
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
cmake --build "$build" -j 2 --target fuzzers

targets=()
for seeds in tests/fuzz/corpus/*/; do
    targets+=("$(basename "$seeds")")
done

fuzz() {
    local name=$1 status=0
    mkdir -p "$build/corpus/$name" "$build/artifacts/$name"
    "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 \
        -artifact_prefix="$build/artifacts/$name/" \
        "$build/corpus/$name" "tests/fuzz/corpus/$name" >"$build/logs/$name.log" 2>&1 || status=$?
    echo "$status" >"$build/logs/$name.status"
}

rm -rf "$build/logs" "$build/artifacts"
mkdir -p "$build/logs"
echo "Fuzzing ${#targets[@]} targets for $seconds s each, two at a time..."
for name in "${targets[@]}"; do
    if [ ! -x "$build/tests/fuzz/fuzz_$name" ]; then
        echo "error: tests/fuzz/corpus/$name has no fuzz target fuzz_$name" >&2
        exit 1
    fi
    while [ "$(jobs -rp | wc -l)" -ge 2 ]; do
        wait -n || true
    done
    fuzz "$name" &
done
wait

failed=0
for name in "${targets[@]}"; do
    log=$build/logs/$name.log
    if [ "$(cat "$build/logs/$name.status")" -eq 0 ]; then
        done=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1)
        printf '%-18s %10s runs  cov: %-5s ft: %s\n' "$name" \
            "$(sed -nE 's/^Done ([0-9]+) runs.*/\1/p' "$log")" \
            "$(sed -E 's/.* cov: ([0-9]+).*/\1/' <<<"$done")" "$(sed -E 's/.* ft: ([0-9]+).*/\1/' <<<"$done")"
    else
        failed=1
        echo "$name: FAULT FOUND (log: $log)"
        grep -E 'ERROR|SUMMARY|property broken|runtime error|Test unit written|Base64' "$log" | sed 's/^/    /'
    fi
done
exit "$failed"
