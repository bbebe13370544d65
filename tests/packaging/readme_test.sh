#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The README against the program it describes: it opens with the two
# commands, its scheme table lists the schemes numerant-cli knows, in list
# order with the lengths the catalogue gives, the pictures it shows exist, and
# every example of its command-line section gives the output printed under it.
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

# The lengths column says what the catalogue says of each scheme: the
# payload's lengths and the number of check characters ("12 + 1 or 7 + 1",
# "3 to 8 + 1", "any + 1").
lengths=$(/usr/bin/python3 - "$readme" "$cli" <<'PYTHON'
import json, re, subprocess, sys
readme, cli = sys.argv[1], sys.argv[2]
shapes = {}
for line in subprocess.run([cli, "list", "--json"], capture_output=True, text=True,
                           check=True).stdout.splitlines():
    entry = json.loads(line)
    shapes[entry["name"]] = sorted((low, high, entry["check_length"])
                                   for low, high in entry["payload_lengths"])
inside = False
for line in open(readme, encoding="utf-8"):
    if line.startswith("## "):
        inside = line.startswith("## The 52 schemes")
        continue
    cells = [cell.strip() for cell in line.split("|")[1:-1]]
    if not inside or len(cells) < 3 or cells[0] in ("Scheme", "---"):
        continue
    said = []
    for part in cells[2].split(" or "):
        m = re.fullmatch(r"(\d+|any)(?: to (\d+))? \+ (\d+)(?: \w+)?", part)
        if not m:
            print(f"{cells[0]}: cannot read the length '{part}'")
            continue
        low = 1 if m[1] == "any" else int(m[1])
        high = None if m[1] == "any" else int(m[2] or m[1])
        said.append((low, high, int(m[3])))
    if sorted(said, key=str) != sorted(shapes.get(cells[0], []), key=str):
        print(f"{cells[0]}: the README says {cells[2]}, the catalogue {shapes.get(cells[0])}")
PYTHON
)
[ -z "$lengths" ] || fail "the lengths of the scheme table differ from the catalogue:
$lengths"

while IFS= read -r picture; do
  [ -f "$source_dir/$picture" ] || fail "the README shows $picture, which does not exist"
done < <(grep -o 'docs/[A-Za-z0-9@._-]*\.png' "$readme" | sort -u)

# The transcripts of the command-line section: each "$ " line is run by bash
# in a scratch folder, standard error joined to standard output, and must
# print exactly the lines under it. "$ cat FILE" writes the lines shown
# instead, so that the following examples have the file to read.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PATH="$(cd "$(dirname "$cli")" && pwd):$PATH" LC_ALL=C
examples=0
command='' expected=''
run_example() {
  [ -n "$command" ] || return 0
  if [[ $command =~ ^cat\ ([A-Za-z0-9._-]+)$ ]]; then
    printf '%s' "$expected" > "$work/${BASH_REMATCH[1]}"
  else
    local actual
    actual=$(cd "$work" && bash -c "$command" 2>&1) || true
    [ "$actual" = "${expected%$'\n'}" ] || fail "\$ $command
printed:
$actual
where the README shows:
${expected%$'\n'}"
    examples=$((examples + 1))
  fi
  command='' expected=''
}
in_transcript=0
while IFS= read -r line; do
  if [ "$in_transcript" -eq 0 ]; then
    [ "$line" = '```console' ] && in_transcript=1
  elif [ "$line" = '```' ]; then
    run_example
    in_transcript=0
  elif [[ $line == '$ '* ]]; then
    run_example
    command=${line#'$ '}
  else
    expected+="$line"$'\n'
  fi
done < <(awk '/^## The command-line companion/ { inside = 1; next }
              /^## / { inside = 0 }
              inside' "$readme")
[ "$examples" -ge 10 ] || fail "only $examples command-line examples found in the README"

[ "$failures" -eq 0 ] || exit 1
echo "README: opening commands, $(echo "$table" | wc -l) schemes, its pictures and" \
  "$examples command-line examples agree"
