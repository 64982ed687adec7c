#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# under-weston.sh PROGRAM: runs PROGRAM on Qt's Wayland platform, on a headless
# weston compositor of its own that goes with it.
set -euo pipefail
runtime=$(mktemp -d)
trap 'kill "$weston" 2>/dev/null; wait 2>/dev/null; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
weston --backend=headless-backend.so --socket=geomira-test --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do
    [ -S "$runtime/geomira-test" ] && break
    kill -0 "$weston" 2>/dev/null || { cat "$runtime/weston.log" >&2; exit 1; }
    sleep 0.1
done
WAYLAND_DISPLAY=geomira-test QT_QPA_PLATFORM=wayland "$@"
