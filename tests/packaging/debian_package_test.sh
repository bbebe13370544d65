#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package with cpack, unpacks it into a scratch root with
# dpkg-deb -x and checks what a user of the package gets.
#
#   debian_package_test.sh BUILD_DIR VERSION
set -euo pipefail
build_dir=$1 version=$2
work="$build_dir/test-package"
root="$work/root"
rm -rf "$work"
mkdir -p "$work"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

(cd "$build_dir" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log" >&2
  exit 1
}
deb=("$work"/numerant_*.deb)
[ -f "${deb[0]}" ] || { echo "FAIL: cpack made no numerant_*.deb" >&2; exit 1; }
dpkg-deb -x "${deb[0]}" "$root"

# Control fields: name and version from the project, dependencies from
# dpkg-shlibdeps plus the Qt platform plugins.
field() { dpkg-deb --field "${deb[0]}" "$1"; }
[ "$(field Package)" = numerant ] || fail "package name is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "package version is '$(field Version)', not $version"
depends=$(field Depends)
for needed in 'libc6 (>=' 'libstdc++6 (>=' 'libqt6core6 (>=' 'libqt6gui6 (>=' \
  'libqt6widgets6 (>=' qt6-qpa-plugins; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks '$needed': $depends"
done

# Every file that belongs in the package, and nothing else.
expected_files=(
  usr/bin/numerant
  usr/bin/numerant-cli
  usr/share/applications/org.numerant.Numerant.desktop
  usr/share/metainfo/org.numerant.Numerant.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/org.numerant.Numerant.svg
  usr/share/doc/numerant/copyright
  usr/share/doc/numerant/changelog.gz
  usr/share/man/man1/numerant.1.gz
  usr/share/man/man1/numerant-cli.1.gz
  usr/include/numerant/schemes/catalogue.h
  usr/include/numerant/core/scheme.h
  usr/include/numerant/core/version.h
  usr/include/numerant/schemes/general/luhn.h
  usr/lib/libnumerant.a
  usr/lib/libnumerant-core.a
  usr/lib/cmake/Numerant/NumerantConfig.cmake
  usr/lib/cmake/Numerant/NumerantConfigVersion.cmake
  usr/lib/cmake/Numerant/NumerantTargets.cmake
)
icon_sizes=(16 22 24 32 48 64 128 256)
for size in "${icon_sizes[@]}"; do
  expected_files+=("usr/share/icons/hicolor/${size}x${size}/apps/org.numerant.Numerant.png")
done
# The Python module, when the build made one, where Debian's Python finds it.
python_dir=usr/lib/python3/dist-packages
python_module=$(cd "$build_dir/python" 2>/dev/null && ls numerant.*.so 2>/dev/null || true)
if [ -n "$python_module" ]; then
  expected_files+=("$python_dir/$python_module" "$python_dir/numerant.pyi")
fi
# The SQLite extension, when the build made one, beside the library.
sqlite_extension=
if [ -f "$build_dir/databases/sqlite/libnumerant_sqlite.so" ]; then
  sqlite_extension=usr/lib/libnumerant_sqlite.so
  expected_files+=("$sqlite_extension")
fi
for file in "${expected_files[@]}"; do
  [ -f "$root/$file" ] || fail "missing $file"
done
while IFS= read -r file; do
  case "$file" in
    usr/bin/numerant | usr/bin/numerant-cli) ;;
    usr/include/numerant/*.h | usr/lib/libnumerant.a | usr/lib/libnumerant-core.a | usr/lib/cmake/Numerant/*.cmake) ;;
    usr/share/applications/org.numerant.Numerant.desktop | usr/share/man/man1/numerant*.1.gz) ;;
    usr/share/metainfo/org.numerant.Numerant.metainfo.xml) ;;
    usr/share/icons/hicolor/*/apps/org.numerant.Numerant.png) ;;
    usr/share/icons/hicolor/scalable/apps/org.numerant.Numerant.svg) ;;
    usr/share/doc/numerant/copyright | usr/share/doc/numerant/changelog.gz) ;;
    "$python_dir/$python_module" | "$python_dir/numerant.pyi") [ -n "$python_module" ] || fail "unexpected file $file" ;;
    usr/share/numerant/web/*) ;; # the page, when it was built
    usr/lib/libnumerant_sqlite.so) [ -n "$sqlite_extension" ] || fail "unexpected file $file" ;;
    *) fail "unexpected file $file" ;;
  esac
done < <(cd "$root" && find . -type f | sed 's|^\./||')

if [ -d "$root/usr/share/numerant/web" ]; then
  for file in index.html page.js numerant.css numerant.js numerant.wasm; do
    [ -f "$root/usr/share/numerant/web/$file" ] || fail "the page lacks $file"
  done
fi

# Each PNG is as large as the folder it stands in says (width and height are
# the big-endian words at bytes 16 and 20 of the PNG header).
for size in "${icon_sizes[@]}"; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/org.numerant.Numerant.png"
  [ -f "$png" ] || continue
  dimensions=$(od --endian=big -An -tu4 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')
  [ "$dimensions" = "$size $size" ] || fail "${size}x${size} icon is not $size pixels square ($dimensions)"
done

desktop="$root/usr/share/applications/org.numerant.Numerant.desktop"
desktop-file-validate "$desktop" || fail "desktop entry is not valid"
grep -qx 'Exec=numerant' "$desktop" || fail "desktop entry does not run numerant"
grep -qx 'Icon=org.numerant.Numerant' "$desktop" || fail "desktop entry names another icon"

# What a software centre reads: the metadata on its own, and together with the
# desktop entry and icon it points to, as installed.
metainfo="$root/usr/share/metainfo/org.numerant.Numerant.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "AppStream metadata is not valid"
appstreamcli validate-tree --no-net "$root" || fail "the installed tree does not pass appstreamcli validate-tree"
grep -q "<release version=\"$version\"" "$metainfo" || fail "AppStream metadata has no release $version"

# The copyright file in Debian's machine-readable form (DEP-5), read by
# python3-debian's parser in its strict mode.
/usr/bin/python3 - "$root/usr/share/doc/numerant/copyright" <<'PYTHON' || fail "the copyright file is not valid DEP-5"
import sys
from debian import copyright

with open(sys.argv[1], encoding="utf-8") as text:
    parsed = copyright.Copyright(text, strict=True)
licence = parsed.find_files_paragraph("CMakeLists.txt").license.synopsis
if licence != "MIT":
    sys.exit(f"the project's files are under '{licence}', not MIT")
PYTHON
changelog=$(gzip -dc "$root/usr/share/doc/numerant/changelog.gz")
grep -q "^## \[$version\] - " <<<"$changelog" || fail "the change log has no section for $version"

for page in numerant numerant-cli; do
  header=$(gzip -dc "$root/usr/share/man/man1/$page.1.gz" | grep -m1 '^\.TH')
  [[ "$header" == *"Numerant $version"* ]] || fail "$page(1) does not carry version $version: $header"
  if command -v groff >/dev/null; then
    warnings=$(gzip -dc "$root/usr/share/man/man1/$page.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "$page(1) renders with warnings: $warnings"
  fi
done

# The programs run from the unpacked tree, with the packaged version.
[ "$("$root/usr/bin/numerant-cli" --version)" = "numerant-cli $version" ] || fail "numerant-cli --version"
[ "$("$root/usr/bin/numerant" --version)" = "numerant $version" ] || fail "numerant --version"
[ "$("$root/usr/bin/numerant-cli" list | wc -l)" -eq 52 ] || fail "numerant-cli list does not print 52 schemes"
[ "$("$root/usr/bin/numerant-cli" calc Verhoeff 236)" = 3 ] || fail "numerant-cli calc Verhoeff 236"
if [ -n "$python_module" ]; then
  [ "$(PYTHONPATH="$root/$python_dir" /usr/bin/python3 -c 'import numerant; print(numerant.calculate("Verhoeff", "236"))')" = 3 ] ||
    fail "the packaged Python module does not calculate Verhoeff 236"
fi
if [ -n "$sqlite_extension" ] && command -v sqlite3 >/dev/null; then
  [ "$(sqlite3 :memory: ".load $root/${sqlite_extension%.so}" "SELECT numerant_calculate('Verhoeff', '236')")" = 3 ] ||
    fail "the packaged SQLite extension does not calculate Verhoeff 236"
fi
QT_QPA_PLATFORM=offscreen "$root/usr/bin/numerant" --help | grep -q numerant-cli || fail "numerant --help"

[ "$failures" -eq 0 ] || exit 1
echo "$(basename "${deb[0]}"): $(find "$root" -type f | wc -l) files, Depends: $depends"
