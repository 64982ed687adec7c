#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Geomira and runs every test: the core alone without Qt, then the
# whole program (GoogleTest, Qt Test, and the scenario files on the models
# and on the real widgets, offscreen), then all of it again under the address
# and undefined-behaviour sanitizers, a short run of the fuzzers, and last the
# Debian package.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
# Every stage's packages at once, so that a newcomer without root gets one line to run.
packages=("${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" "${PACKAGE_TEST_PACKAGES[@]}")
# The printing test runs a CUPS server of its own, which needs root; without root it is skipped.
[ "$(id -u)" -ne 0 ] || packages+=("${PRINT_TEST_PACKAGES[@]}")
needs "${packages[@]}"

jobs=$(nproc)

echo "== The core alone, without Qt"
cmake -S . -B build/core -G Ninja -DGEOMIRA_CORE_ONLY=ON >/dev/null
cmake --build build/core -j "$jobs"
ctest --test-dir build/core -j "$jobs" --output-on-failure

echo "== The whole program"
cmake -S . -B build/full -G Ninja >/dev/null
cmake --build build/full -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/full -j "$jobs" --output-on-failure
# CTest names a skipped test but not its reason.
grep -h '^SKIPPED: ' build/full/Testing/Temporary/LastTest.log || true

echo "== Every test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGEOMIRA_SANITIZE=ON >/dev/null
cmake --build build/asan -j "$jobs"
QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build/asan -j "$jobs" --output-on-failure

echo "== Fuzzing the number conversions, the scenario reader and user sessions"
tests/fuzz/run.sh

echo "== The Debian package"
packaging/test-deb.sh
scripts/count-lines.sh
