#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Non-blank lines of product and of tests, and their ratios.
#
#   scripts/test-ratio.sh
#
# Product: the C++ under core/, schemes/, window/, app/, cli/, python/ and
# web/, and the page's JavaScript. Tests: everything under tests/. The
# worked examples beside each rule (the blocks between "// Examples begin"
# and "// Examples end" in the scheme headers, markers included) and the
# cross-check against python-stdnum (tests/crosscheck/, its generators and
# edge rows) are counted apart: they are neither.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

count() { [ $# -eq 0 ] && { echo 0; return; }; cat "$@" | grep -cv '^[[:space:]]*$' || true; }

# The lines between "// Examples begin" and "// Examples end" in a file.
examples_in() {
  awk '/\/\/ Examples begin/ { inside = 1 }
       inside && !/^[[:space:]]*$/ { n++ }
       /\/\/ Examples end/ { inside = 0 } END { print n + 0 }' "$@"
}

mapfile -t product_cpp < <(find core schemes window app cli python web -type f \
  \( -name '*.cpp' -o -name '*.h' -o -name '*.h.in' \) | sort)
mapfile -t product_js < <(find web -type f -name '*.js' | sort)
mapfile -t test_cpp < <(find tests -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
mapfile -t test_all < <(find tests -type f ! -path 'tests/crosscheck/*' | sort)
mapfile -t crosscheck_data < <(find tests/crosscheck -type f | sort)

cpp_with_examples=$(count "${product_cpp[@]}")
examples=$(examples_in "${product_cpp[@]}")
cpp=$((cpp_with_examples - examples))
js=$(count "${product_js[@]}")
tests_cpp=$(count "${test_cpp[@]}")
tests_all=$(count "${test_all[@]}")
data=$(count "${crosscheck_data[@]}")

printf 'C++ product (without examples) %6d\n' "$cpp"
printf 'page JavaScript                %6d\n' "$js"
printf 'C++ tests                      %6d\n' "$tests_cpp"
printf 'all tests                      %6d\n' "$tests_all"
printf 'worked examples (neither)      %6d\n' "$examples"
printf 'cross-check data (neither)     %6d\n' "$data"
awk -v t="$tests_cpp" -v p="$cpp" 'BEGIN { printf "C++ tests / C++ product        %6.3f  (target 0.25 to 0.35)\n", t / p }'
awk -v t="$tests_all" -v p="$((cpp + js))" 'BEGIN { printf "all tests / all product        %6.3f  (target at most 0.45)\n", t / p }'
