#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# scripts/spdx.sh on a scratch tree with one file of every kind: --check lists
# exactly the files that lack the line, --fix writes it in each file's own
# comment syntax at its place, and afterwards --check passes and --fix has
# nothing left to do.
#
#   spdx_test.sh SPDX_SCRIPT
set -euo pipefail
script=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# path | content (printf format) | the line expected at that line number after --fix
cases=(
  'src/scheme.cpp|int x;\n|1|// SPDX-License-Identifier: MIT'
  'src/version.h.in|#pragma once\n|1|// SPDX-License-Identifier: MIT'
  'src/empty.h||1|// SPDX-License-Identifier: MIT'
  'web/page.js|"use strict";\n|1|// SPDX-License-Identifier: MIT'
  'web/page.css|body {}\n|1|// SPDX-License-Identifier: MIT'
  'web/index.html|<!DOCTYPE html>\n<html></html>\n|2|<!-- SPDX-License-Identifier: MIT -->'
  'data/app.metainfo.xml|<?xml version="1.0"?>\n<component/>\n|2|<!-- SPDX-License-Identifier: MIT -->'
  'docs/notes.md|# Notes\n|1|<!-- SPDX-License-Identifier: MIT -->'
  'CMakeLists.txt|project(x)\n|1|# SPDX-License-Identifier: MIT'
  'cmake/Config.cmake.in|@PACKAGE_INIT@\n|1|# SPDX-License-Identifier: MIT'
  '.clang-format|---\n|1|# SPDX-License-Identifier: MIT'
  'tools/run.sh|#!/bin/sh\necho hi\n|2|# SPDX-License-Identifier: MIT'
  'tools/noeol.sh|#!/bin/sh|2|# SPDX-License-Identifier: MIT'
  'tools/gen.py|#!/usr/bin/python3\n# -*- coding: utf-8 -*-\n|3|# SPDX-License-Identifier: MIT'
  'tools/bare|#!/usr/bin/env bash\n|2|# SPDX-License-Identifier: MIT'
  'scripts/helper|echo hi\n|1|# SPDX-License-Identifier: MIT'
  '.ci/run|exec true\n|1|# SPDX-License-Identifier: MIT'
  'data/app.desktop|[Desktop Entry]\n|1|# SPDX-License-Identifier: MIT'
  'data/man/prog.1.in|.TH PROG 1\n|1|.\" SPDX-License-Identifier: MIT'
)
# Files that carry no line, or carry one already: neither listed nor changed.
untouched=(
  'src/done.cpp|// One line first.\n\n// SPDX-License-Identifier: MIT\n'
  'data/other.metainfo.xml|<?xml version="1.0"?>\n<!-- SPDX-License-Identifier: CC0-1.0 -->\n'
  'docs/picture.png|\x89PNG\r\n'
  'data/icon.svg|<svg/>\n'
  'web/package.json|{}\n'
  'fuzz/corpus/Luhn-1|#!79927398713'
  'LICENSE|MIT License\n'
  '.gitignore|/build*/\n'
  'build/generated.cpp|int y;\n'
  'out/CMakeCache.txt|CMAKE_HOME_DIRECTORY:INTERNAL=..\n'
  'out/cmake_install.cmake|set(x)\n'
  'web/node_modules/lib/index.js|var z;\n'
)

for entry in "${cases[@]}" "${untouched[@]}"; do
  IFS='|' read -r path content _ <<<"$entry"
  mkdir -p "$tree/$(dirname "$path")"
  printf -- "$content" >"$tree/$path"
done
chmod +x "$tree/tools/run.sh"
cp -r "$tree" "$tree.before"
trap 'rm -rf "$tree" "$tree.before"' EXIT

expected_list=$(for entry in "${cases[@]}"; do echo "${entry%%|*}"; done | sort)
listed=$(bash "$script" --check "$tree" 2>/dev/null | sort) && fail "--check passed a tree with files lacking the line"
[ "$listed" = "$expected_list" ] || fail "--check lists other files:
$(diff <(echo "$expected_list") <(echo "$listed") || true)"

bash "$script" --fix "$tree" >/dev/null
for entry in "${cases[@]}"; do
  IFS='|' read -r path _ number line <<<"$entry"
  actual=$(sed -n "${number}p" "$tree/$path")
  [ "$actual" = "$line" ] || fail "$path: line $number is '$actual', not '$line'"
  # Only the one line is added: the rest of the file stays as it was (a
  # missing final newline may be supplied).
  [ "$(sed "${number}d" "$tree/$path")" = "$(cat "$tree.before/$path")" ] ||
    fail "$path: --fix changed more than the one line"
done
[ -x "$tree/tools/run.sh" ] || fail "--fix lost the executable bit of a script"
for entry in "${untouched[@]}"; do
  path=${entry%%|*}
  cmp -s "$tree/$path" "$tree.before/$path" || fail "$path was changed"
done

bash "$script" --check "$tree" >/dev/null || fail "--check fails after --fix"
[ -z "$(bash "$script" --fix "$tree")" ] || fail "a second --fix changed files again"

# In a git work tree the files are those git tracks or would track: an
# ignored one is not listed, a new untracked one is. A machine without git
# (a source tarball on a fresh system) has no work trees, so this part is
# left out there and said so.
in_git_tree="in a git tree too"
if command -v git >/dev/null; then
  git -C "$tree" init -q
  printf 'int z;\n' >"$tree/build/another.cpp"
  printf 'int w;\n' >"$tree/src/new.cpp"
  listed=$(bash "$script" --check "$tree" 2>/dev/null) && fail "--check passed a new file without the line"
  [ "$listed" = src/new.cpp ] || fail "in a git tree --check lists '$listed', not src/new.cpp"
else
  in_git_tree="not in a git tree: git is not installed"
fi

[ "$failures" -eq 0 ] || exit 1
echo "spdx.sh: ${#cases[@]} kinds of file fixed in place, ${#untouched[@]} left alone;" \
  "$in_git_tree"
