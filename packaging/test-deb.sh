#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a Release build and checks it with lintian,
# desktop-file-validate and appstreamcli; then, as root, installs it, starts the
# installed program on a virtual display until its main window is seen painted,
# and removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
needs "${BUILD_PACKAGES[@]}" "${PACKAGE_TEST_PACKAGES[@]}"

build=build/deb
app_id=org.geomira.Geomira
# Debian's hardening flags, less -g (stripping drops it) and -O2 (Release chooses).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP="-g -O2"
# Only what the package holds is built: not the developer tools.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j "$(nproc)" --target geomira geomira_manual geomira_debian_changelog
rm -f "$build"/geomira_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(echo "$build"/geomira_*_*.deb)

unpacked=$(mktemp -d)
cleanup() { rm -rf "$unpacked"; }
trap cleanup EXIT

echo "== Checking $deb"
dpkg-deb -x "$deb" "$unpacked"
expected=(usr/bin/geomira usr/share/applications/$app_id.desktop usr/share/metainfo/$app_id.metainfo.xml
          usr/share/icons/hicolor/scalable/apps/$app_id.svg usr/share/man/man1/geomira.1.gz
          usr/share/doc/geomira/copyright usr/share/doc/geomira/changelog.Debian.gz)
for size in 16 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${expected[@]}"; do
    [ -f "$unpacked/$file" ] || { echo "error: the package has no /$file" >&2; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || { echo "error: the package does not recommend qt6-wayland" >&2; exit 1; }
# The version is written once, in CMakeLists.txt; the changelog, written by hand, must have an entry for it.
version=$(dpkg-deb -f "$deb" Version)
[ "$(dpkg-parsechangelog -l packaging/changelog -S Version)" = "$version" ] ||
    { echo "error: packaging/changelog has no entry for $version" >&2; exit 1; }
grep -q "<release version=\"${version%-*}\"" "$unpacked/usr/share/metainfo/$app_id.metainfo.xml" ||
    { echo "error: the metainfo has no release ${version%-*}" >&2; exit 1; }
shown=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$unpacked/usr/bin/geomira" --version)
[ "$shown" = "Geomira ${version%-*}" ] || { echo "error: geomira --version says \"$shown\"" >&2; exit 1; }
desktop-file-validate "$unpacked/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$app_id.metainfo.xml"
# Fails on errors and shows any warning; the package's overrides say why it has none to show.
lintian "$deb" 2>&1 | { grep -v '^running with root privileges' || true; }

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIPPED installing and starting the package: that needs root (run this script as root)."
    exit 0
fi
if dpkg-query -W -f='${Status}' geomira 2>/dev/null | grep -q 'ok installed'; then
    echo "SKIPPED installing and starting the package: geomira is installed on this machine already," \
         "and the test would replace and remove it (dpkg --purge geomira first)."
    exit 0
fi

cleanup() {
    dpkg --purge geomira >/dev/null 2>&1 || true
    rm -rf "$unpacked"
}
echo "== Installing $deb"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=300 "./$deb" >/dev/null
echo "== Starting the installed program as its desktop entry says, on a virtual display"
command=$(sed -n 's/^Exec=//p' "/usr/share/applications/$app_id.desktop")
[ "$(command -v "$command")" = /usr/bin/geomira ] || { echo "error: $command is not /usr/bin/geomira" >&2; exit 1; }
# Seen from outside, as a user sees it: the main window is mapped, and its
# pixels are not all of one or two colours (a blank window is one flat colour).
colours=$(env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$1" & program=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "^Geomira\$" | head -n 1)
    count=0
    for _ in $(seq 40); do
        [ -n "$window" ] || break
        bytes=$(xwininfo -id "$window" | awk "/Width:/ {w = \$2} /Height:/ {h = \$2} END {print w * h * 4}")
        count=$(xwd -silent -id "$window" | tail -c "$bytes" | od -An -v -tx4 -w4 | sort -u | wc -l)
        [ "$count" -gt 2 ] && break
        sleep 0.5
    done
    kill "$program"
    echo "$count"' show-window "$command") || true
[ "${colours:-0}" -gt 2 ] || { echo "error: the installed program's main window was not shown painted" >&2; exit 1; }
echo "The main window was mapped, showing $colours colours."
echo "== Removing the package"
dpkg --purge geomira >/dev/null
[ ! -e /usr/bin/geomira ] || { echo "error: /usr/bin/geomira is still there after removing the package" >&2; exit 1; }
echo "The Debian package passed: built, checked, installed, started and removed."
