# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by run.sh and test.sh: makes sure Debian's packages are there.
# needs PACKAGE...: installs what is missing when run as root, otherwise
# prints the apt-get line to run and stops.
needs() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing ${missing[*]} from Debian's packages..."
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null || {
            echo "error: could not install ${missing[*]} with apt-get." >&2
            exit 1
        }
    else
        echo "Geomira needs these Debian packages first; run as root:" >&2
        echo "  apt-get install ${missing[*]}" >&2
        exit 1
    fi
}

BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation fonts-comic-neue
    fonts-urw-base35 qt6-translations-l10n)
# A headless Wayland compositor and Qt's plugin for it, for the windows on native Wayland.
TEST_PACKAGES=(libgtest-dev weston qt6-wayland)
# clang and its sanitizer runtime, for libFuzzer.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The core on WebAssembly, Node.js to run it, the font tools and faces of the web edition,
# and Chromium, which draws the main window into the page as it is built.
WEB_PACKAGES=(emscripten nodejs node-acorn fonttools python3-brotli fonts-liberation fonts-comic-neue fonts-urw-base35
    chromium)
# npm, for the test driver. Debian 12's nodejs comes without npm, and a Node.js that
# bundles npm conflicts with Debian's npm package.
WEB_TEST_PACKAGES=()
command -v npm >/dev/null || WEB_TEST_PACKAGES+=(npm)
# Building the Debian package, checking it, and starting it on a virtual display.
PACKAGE_TEST_PACKAGES=(dpkg-dev lintian desktop-file-utils appstream xvfb xauth xdotool x11-utils x11-apps)
# A CUPS server, a print queue that writes PDF files, and pdftoppm to read them.
PRINT_TEST_PACKAGES=(cups printer-driver-cups-pdf poppler-utils)
