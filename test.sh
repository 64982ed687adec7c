#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Geomira and runs every test, in stages:
#   core        the toolkit-free core alone, without Qt
#   program     the whole program: GoogleTest, Qt Test, and the scenario files
#               on the models and on the real widgets, offscreen
#   sanitizers  all of it again under the address and undefined-behaviour
#               sanitizers, with fewer random sessions
#   fuzz        a short run of the fuzzers, on every core
#   web         the core built for WebAssembly with emscripten: its tests, the
#               window rows and the scenario files on the models, under Node.js;
#               then the web edition, and the scenario files and the window rows
#               on it in Chromium
#   package     the Debian package, built, checked and (as root) installed
# ./test.sh runs them all, as CI does; ./test.sh STAGE... only those named.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh

all_stages=(core program sanitizers fuzz web package)
stages=("$@")
[ ${#stages[@]} -gt 0 ] || stages=("${all_stages[@]}")
for stage in "${stages[@]}"; do
    [[ " ${all_stages[*]} " == *" $stage "* ]] || {
        echo "usage: ./test.sh [STAGE...], where a stage is one of: ${all_stages[*]}" >&2
        exit 2
    }
done

# Every named stage's packages at once, so that a newcomer without root gets one line to run.
packages=("${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}")
for stage in "${stages[@]}"; do
    case $stage in
    fuzz) packages+=("${FUZZ_PACKAGES[@]}") ;;
    web) packages+=("${WEB_PACKAGES[@]}" "${WEB_TEST_PACKAGES[@]}") ;;
    package) packages+=("${PACKAGE_TEST_PACKAGES[@]}") ;;
    program | sanitizers) print_test=yes ;;
    esac
done
# The printing test runs a CUPS server of its own, which needs root; without root it is skipped.
[ -z "${print_test:-}" ] || [ "$(id -u)" -ne 0 ] || packages+=("${PRINT_TEST_PACKAGES[@]}")
needs "${packages[@]}"

jobs=$(nproc)

core() {
    echo "== The core alone, without Qt"
    # The web stage runs its tests in the browser from this build too.
    cmake -S . -B build/core -G Ninja -DGEOMIRA_CORE_ONLY=ON -DGEOMIRA_WEB_EDITION= >/dev/null
    cmake --build build/core -j "$jobs"
    ctest --test-dir build/core -j "$jobs" --output-on-failure
}

program() {
    echo "== The whole program"
    cmake -S . -B build/full -G Ninja >/dev/null
    cmake --build build/full -j "$jobs"
    QT_QPA_PLATFORM=offscreen ctest --test-dir build/full -j "$jobs" --output-on-failure
    # CTest names a skipped test but not its reason.
    grep -h '^SKIPPED: ' build/full/Testing/Temporary/LastTest.log || true
}

sanitizers() {
    echo "== Every test under AddressSanitizer and UndefinedBehaviorSanitizer"
    cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGEOMIRA_SANITIZE=ON >/dev/null
    cmake --build build/asan -j "$jobs"
    # The random sessions run ten times slower here: a fifth of them finds the
    # same faults of memory and arithmetic that the sanitizers look for.
    QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1 GEOMIRA_RANDOM_SESSIONS=200 \
        GEOMIRA_MIRROR_SESSIONS=6 ctest --test-dir build/asan -j "$jobs" --output-on-failure
}

fuzz() {
    echo "== Fuzzing the round trip of written numbers, the scenario reader and user sessions"
    tests/fuzz/run.sh
}

web() {
    echo "== The core on WebAssembly, under Node.js"
    # Debian's emscripten needs Debian's JavaScript modules (acorn), which node finds only through NODE_PATH.
    NODE_PATH=$(dirname "$(dpkg -L node-acorn | grep -m1 '/acorn$')")
    export NODE_PATH
    # Where Node.js has fetch, emscripten 3.1.6's loader fetches the .wasm file with it, which takes no file path.
    cmake -S . -B build/wasm -G Ninja -DGEOMIRA_CORE_ONLY=ON \
        -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
        "-DCMAKE_CROSSCOMPILING_EMULATOR=$(command -v node);--no-experimental-fetch" >/dev/null
    cmake --build build/wasm -j "$jobs"
    ctest --test-dir build/wasm -j "$jobs" --output-on-failure

    echo "== The web edition in Chromium"
    scripts/build-web.sh build/web
    (cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
    cmake -S . -B build/core -G Ninja -DGEOMIRA_CORE_ONLY=ON "-DGEOMIRA_WEB_EDITION=$PWD/build/web" >/dev/null
    cmake --build build/core -j "$jobs"
    ctest --test-dir build/core -L web -j "$jobs" --output-on-failure
    cmake -S . -B build/core -DGEOMIRA_WEB_EDITION= >/dev/null
}

package() {
    echo "== The Debian package"
    packaging/test-deb.sh
}

started=$SECONDS
for stage in "${stages[@]}"; do
    "$stage"
done
echo "== All stages (${stages[*]}) passed in $((SECONDS - started)) s"
scripts/count-lines.sh
