#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lines of tests against lines of program, counting C++ sources, scenario files
# and scripts: blank lines and comment-only lines (// in C++, # elsewhere) are
# left out, and so are the fuzzers' seed inputs, which are data.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
  find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.scn' -o -name '*.sh' \) \
    -not -path '*/corpus/*' -print0 | xargs -0 -r awk '
    FILENAME ~ /\.(cpp|h)$/ { if ($0 !~ /^[ \t]*(\/\/.*)?$/) n++; next }
    $0 !~ /^[ \t]*(#.*)?$/ { n++ }
    END { print n + 0 }'
}

for dir in tests/*/; do
  printf '%-16s %6d\n' "${dir%/}" "$(count "$dir")"
done
tests=$(count tests)
src=$(count src)
printf '%-16s %6d\n%-16s %6d\n' tests "$tests" src "$src"
awk -v t="$tests" -v s="$src" 'BEGIN { printf "tests/src        %6.2f\n", t / s }'
