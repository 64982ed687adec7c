#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lines of tests against lines of program: every code file (C++, shell, Python,
# JavaScript, scenario files) under tests/, the scenario runner included,
# against the same kinds under src/. Blank lines and comment-only lines
# (// and /* */ in C++ and JavaScript, # elsewhere) are left out, and so are
# the fuzzers' seed inputs, which are data. The ratio comes last.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
  find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.js' -o -name '*.mjs' -o -name '*.py' \
    -o -name '*.sh' -o -name '*.scn' \) -not -path '*/corpus/*' -not -path '*/node_modules/*' -print0 |
    xargs -0 -r awk '
    FNR == 1 { block = 0; slashes = FILENAME ~ /\.(cpp|h|js|mjs)$/ }
    slashes {
      line = $0
      if (block) { if (line !~ /\*\//) next; sub(/.*\*\//, "", line); block = 0 }
      if (line ~ /^[ \t]*\/\*/ && line !~ /\*\//) { block = 1; next }
      if (line !~ /^[ \t]*((\/\/.*)|(\/\*.*\*\/[ \t]*))?$/) n++
      next
    }
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
