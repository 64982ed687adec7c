#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Geomira's benchmarks, built in Release and run under a display (Xvfb when
# there is none): launch to first paint and peak memory of the main window
# against a bare Qt Widgets window with one menu (15 interleaved runs each),
# then choosing each menu item to the first paint of the window it opens.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
needs "${BUILD_PACKAGES[@]}" xvfb xauth

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release --target geomira-first-paint geomira-bare-window geomira-startup-bench geomira-menu-bench >/dev/null
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
build/release/bench/geomira-startup-bench build/release/bench/geomira-bare-window build/release/bench/geomira-first-paint
build/release/bench/geomira-menu-bench
