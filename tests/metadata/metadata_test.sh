#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The files that describe Numerant to software centres and packagers, as they
# stand in the source tree: the desktop entry and the AppStream metadata pass
# their validators and name each other and the icon; the change log, the
# metadata's releases and the project version tell the same history; the
# Debian copyright file carries the text of LICENSE.
#
#   metadata_test.sh SOURCE_DIR VERSION
set -euo pipefail
source_dir=$1 version=$2
id=org.numerant.Numerant
desktop="$source_dir/data/$id.desktop"
metainfo="$source_dir/data/$id.metainfo.xml"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

desktop-file-validate "$desktop" || fail "desktop entry is not valid"
appstreamcli validate --no-net "$metainfo" || fail "AppStream metadata is not valid"

grep -q "<id>$id</id>" "$metainfo" || fail "the metadata's ID is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metadata does not launch $id.desktop"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ "$icon" = "$id" ] || fail "the desktop entry's icon is '$icon', not $id"
[ -f "$source_dir/data/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon $icon.svg"

# Released versions with their dates, newest first: "## [1.0.0] - 2026-12-06"
# in the change log, <release version="1.0.0" date="2026-12-06"> in the metadata.
changelog="$source_dir/CHANGELOG.md"
first_section=$(grep -m1 '^## ' "$changelog")
[ "$first_section" = '## [Unreleased]' ] || fail "the change log opens with '$first_section', not '## [Unreleased]'"
logged=$(sed -n 's/^## \[\([0-9][^]]*\)\] - \([0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}\)$/\1 \2/p' "$changelog")
unreadable=$(grep '^## ' "$changelog" | grep -v '^## \[Unreleased\]$' |
  grep -cv '^## \[[0-9][^]]*\] - [0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}$' || true)
[ "$unreadable" -eq 0 ] || fail "$unreadable section heading(s) of the change log are not '## [VERSION] - YYYY-MM-DD'"
released=$(grep -o '<release version="[^"]*" date="[^"]*"' "$metainfo" |
  sed 's/<release version="\([^"]*\)" date="\([^"]*\)"/\1 \2/')
[ "$logged" = "$released" ] || fail "the change log and the metadata's releases differ:
$(diff <(echo "$logged") <(echo "$released") || true)"
newest=$(head -n 1 <<<"$logged")
[ "${newest%% *}" = "$version" ] ||
  fail "the project version $version is not the newest release of the change log (${newest%% *})"

# The licence text of the copyright file's "License: MIT" paragraph, unfolded,
# is LICENSE after its title and copyright line.
grep -qx 'Copyright (c) [0-9]\{4\}\(-[0-9]\{4\}\)\? The Numerant authors' "$source_dir/LICENSE" ||
  fail "LICENSE does not name The Numerant authors"
licence_text=$(sed -n '5,$p' "$source_dir/LICENSE")
copyright_text=$(awk '/^License: MIT$/ { inside = 1; next } inside && /^ / { print; next } { inside = 0 }' \
  "$source_dir/data/copyright" | sed 's/^ //; s/^\.$//')
[ "$licence_text" = "$copyright_text" ] || fail "data/copyright's MIT text differs from LICENSE:
$(diff <(echo "$licence_text") <(echo "$copyright_text") || true)"

[ "$failures" -eq 0 ] || exit 1
echo "metadata: desktop entry and AppStream valid; $(wc -l <<<"$logged") release(s) agree; licence texts agree"
