#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The README against the program it describes: it opens with the two
# commands, its scheme table lists the schemes numerant-cli knows, in list
# order, and the pictures it shows exist.
#
#   readme_test.sh SOURCE_DIR NUMERANT_CLI
set -euo pipefail
source_dir=$1 cli=$2
readme="$source_dir/README.md"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The opening lines below the title, not counting the licence comment.
opening=$(grep -v '^<!-- SPDX-License-Identifier: .* -->$' "$readme" | sed -n '3,6p')
expected_opening='```sh
scripts/dev.sh window   # build and run the calculator window
scripts/dev.sh test     # build and run every test
```'
[ "$opening" = "$expected_opening" ] || fail "the README does not open with the two commands"

# The first column of the table under "The 52 schemes".
table=$(awk '/^## The 52 schemes/ { inside = 1; next }
             /^## / { inside = 0 }
             inside && /^\| [A-Za-z]+ \|/ && !/^\| Scheme / { print $2 }' "$readme")
[ "$table" = "$("$cli" list)" ] || fail "the scheme table differs from numerant-cli list:
$(diff <(echo "$table") <("$cli" list) || true)"

while IFS= read -r picture; do
  [ -f "$source_dir/$picture" ] || fail "the README shows $picture, which does not exist"
done < <(grep -o 'docs/[A-Za-z0-9@._-]*\.png' "$readme" | sort -u)

[ "$failures" -eq 0 ] || exit 1
echo "README: opening commands, $(echo "$table" | wc -l) schemes and its pictures agree"
