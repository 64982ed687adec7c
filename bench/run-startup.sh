#!/usr/bin/env bash
# Measures Geomira's start-up against a bare Qt Widgets window with one menu:
# both built in Release, 15 interleaved runs each, under a display (Xvfb when
# there is none).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release --target geomira geomira-bare-window geomira-startup-bench >/dev/null
bench=(build/release/bench/geomira-startup-bench build/release/bench/geomira-bare-window build/release/src/app/geomira)
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "${bench[@]}"
fi
exec "${bench[@]}"
