#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints one part of a README example: the SQL or the output shown under it.
#
#   readme_example.sh README NAME sql|text
#
# An example is the comment "<!-- example: NAME -->", a ```sql block, and
# the ```text block that follows it.
set -euo pipefail
readme=$1 name=$2 part=$3
awk -v marker="<!-- example: $name -->" -v part="$part" '
  $0 == marker { found = 1; next }
  found && $0 == "```" part { inside = 1; next }
  inside && $0 == "```" { exit }
  inside { print }' "$readme"
