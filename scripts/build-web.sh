#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the web edition, a folder of static files, into DIR (default build/web)
# and prints that folder on its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/web}")

. scripts/deps.sh
needs "${WEB_PACKAGES[@]}" cmake ninja-build

# emcc runs on Node.js and needs Debian's JavaScript modules (acorn) on its path.
NODE_PATH=$(dirname "$(dpkg -L node-acorn | grep -m1 '/acorn$')")
export NODE_PATH
cmake -S . -B build/web-build -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DGEOMIRA_CORE_ONLY=ON -DGEOMIRA_WEB=ON \
    -DBUILD_TESTING=OFF -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake >/dev/null
cmake --build build/web-build
rm -rf "$out"
cmake --install build/web-build --prefix "$out" >/dev/null
node tools/prerender/prerender.mjs "$out"
# The service worker keeps every other file, under a name that changes with any of them.
cd "$out"
files=$(find . -type f ! -name sw.js | sort)
version=$(echo "$files" | xargs sha256sum | sha256sum | cut -c1-16)
list=$(echo "$files" | sed "s|^\./\(.*\)|'\1'|; s|^'index.html'$|'./'|" | paste -sd, | sed 's/,/, /g')
sed -i "s|@VERSION@|$version|; s|@FILES@|$list|" sw.js
echo "$out"
