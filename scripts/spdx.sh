#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Finds the files of the source tree that lack an SPDX licence line, or adds
# the line to them in the comment syntax of each kind of file.
#
#   scripts/spdx.sh --check [SOURCE_DIR]   list the files without it; exit 1 if any
#   scripts/spdx.sh --fix [SOURCE_DIR]     add "SPDX-License-Identifier: MIT" to them
#
# SOURCE_DIR is the repository this script lives in unless given. In a git
# work tree the files are those git tracks or would track (ignored ones, such
# as build directories, are left out); elsewhere every file below SOURCE_DIR
# except build*/, .git and node_modules. Either way a CMake build directory
# (one that holds a CMakeCache.txt) is skipped, whatever its name.
#
# Which files carry the line, and how:
#   //      C and C++ sources and headers, Java, JavaScript, TypeScript, CSS
#   #       CMakeLists.txt, *.cmake, shell and Python, YAML, TOML,
#           .clang-format, desktop entries, every file under scripts/ and .ci/
#           and any other file that starts with #!
#   <!-- -->  HTML, XML, Markdown
#   .\"     manual pages (troff)
#   A template NAME.in counts as NAME (version.h.in as a header).
# Left out: pictures (PNG, SVG and the like), the fuzzer's seed corpus (every
# byte there is an input), JSON (it has no comments), .gitignore and any other
# file of no kind above (LICENSE, the Debian copyright file).
#
# A file has the line when one of its first five lines names an SPDX licence,
# whichever (the AppStream file is CC0-1.0). --fix puts it on the first line,
# or after a #! line (and a Python coding line after it), an XML declaration
# or an HTML <!DOCTYPE>.
set -euo pipefail

usage() {
  echo "usage: scripts/spdx.sh --check|--fix [SOURCE_DIR]" >&2
  exit 2
}

[ $# -ge 1 ] && [ $# -le 2 ] || usage
mode=$1
case "$mode" in --check | --fix) ;; *) usage ;; esac
root=${2:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
[ -d "$root" ] || { echo "spdx.sh: $root is not a directory" >&2; exit 2; }
cd "$root"

readonly identifier='SPDX-License-Identifier: MIT'

# Prints every candidate file, relative to the root, NUL-terminated.
list_files() {
  if [ "$(git rev-parse --is-inside-work-tree 2>/dev/null)" = true ]; then
    git ls-files -z --cached --others --exclude-standard -- .
  else
    find . \( -name .git -o -name node_modules -o -path './build*' \) -prune \
      -o -type f -printf '%P\0'
  fi
}

# Sets style to the comment syntax of a file: slash, hash, markup, troff,
# or none for a file that does not carry the line. (No subshells here: the
# check runs over every file of the tree.)
style_of() {
  local path=$1
  local name=${path##*/}
  style=none
  case "$path" in
    fuzz/corpus/* | node_modules/* | */node_modules/*) return ;;
  esac
  name=${name%.in}
  case "$name" in
    *.c | *.cc | *.cpp | *.cxx | *.h | *.hh | *.hpp | *.java | *.js | *.mjs | *.cjs | *.ts | *.css)
      style=slash ;;
    CMakeLists.txt | *.cmake | *.sh | *.bash | *.py | *.pyi | *.yml | *.yaml | *.toml | \
      .clang-format | .clang-tidy | *.desktop)
      style=hash ;;
    *.html | *.htm | *.xml | *.md) style=markup ;;
    *.[1-8]) style=troff ;;
    *.png | *.jpg | *.jpeg | *.gif | *.ico | *.svg | *.json | *.gz | .gitignore | .gitattributes) ;;
    *)
      case "$path" in
        scripts/* | .ci/*) style=hash ;;
        *)
          local first=
          IFS= read -r -n 2 first <"$path" 2>/dev/null || true
          if [ "$first" = '#!' ]; then style=hash; fi
          ;;
      esac
      ;;
  esac
}

has_identifier() {
  local line count=0
  while ((count < 5)) && IFS= read -r line; do
    [[ "$line" == *SPDX-License-Identifier:* ]] && return 0
    count=$((count + 1))
  done <"$1"
  return 1
}

# Inserts the line in the file's own comment syntax at its place.
add_identifier() {
  local path=$1 style=$2 line after=0 first second
  case "$style" in
    slash) line="// $identifier" ;;
    hash) line="# $identifier" ;;
    markup) line="<!-- $identifier -->" ;;
    troff) line=".\\\" $identifier" ;;
  esac
  first=$(sed -n 1p "$path")
  second=$(sed -n 2p "$path")
  if [[ "$first" == '#!'* ]]; then
    after=1
    [[ "$style" == hash && "$second" =~ ^#.*coding[:=] ]] && after=2
  elif [[ "$style" == markup && ("$first" == '<?xml'* || "${first,,}" == '<!doctype'*) ]]; then
    after=1
  fi
  local temporary
  temporary=$(mktemp)
  SPDX_LINE=$line awk -v after="$after" '
    NR == after + 1 { print ENVIRON["SPDX_LINE"] }
    { print }
    END { if (NR <= after) print ENVIRON["SPDX_LINE"] }' "$path" >"$temporary"
  # Written through the original file, so that its mode stays.
  cat "$temporary" >"$path"
  rm -f "$temporary"
}

build_dirs=()
while IFS= read -r -d '' cache; do
  [ "$cache" = CMakeCache.txt ] || build_dirs+=("${cache%CMakeCache.txt}")
done < <(list_files | grep -z '\(^\|/\)CMakeCache\.txt$' || true)

in_build_dir() {
  local dir
  for dir in "${build_dirs[@]}"; do
    [[ "$1" == "$dir"* ]] && return 0
  done
  return 1
}

missing=0
while IFS= read -r -d '' path; do
  [ -f "$path" ] || continue
  in_build_dir "$path" && continue
  style_of "$path"
  [ "$style" = none ] && continue
  has_identifier "$path" && continue
  missing=$((missing + 1))
  if [ "$mode" = --fix ]; then
    add_identifier "$path" "$style"
  fi
  echo "$path"
done < <(list_files)

if [ "$mode" = --check ] && [ "$missing" -gt 0 ]; then
  echo "$missing file(s) lack an SPDX-License-Identifier line; scripts/spdx.sh --fix adds it" >&2
  exit 1
fi
exit 0
