#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Geomira (Release) and starts it; with --web, builds the web edition
# and serves it on this machine.
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = --web ]; then
    folder=$(scripts/build-web.sh | tail -n 1)
    port=${GEOMIRA_PORT:-8080}
    echo "Geomira sul web: http://127.0.0.1:$port/ (Ctrl+C per fermare)"
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$folder"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Geomira è un programma per il desktop e qui non c'è uno schermo grafico (DISPLAY non è impostata)." >&2
    echo "Avviarlo da una sessione desktop, o su uno schermo virtuale: xvfb-run -a ./run.sh" >&2
    echo "Geomira is a desktop program and there is no graphical display here (DISPLAY is not set)." >&2
    echo "Start it from a desktop session, or under a virtual display: xvfb-run -a ./run.sh" >&2
    exit 1
fi

. scripts/deps.sh
needs "${BUILD_PACKAGES[@]}"

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release --target geomira
exec build/release/src/app/geomira
