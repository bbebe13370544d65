#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian packages with cpack and checks numerant-postgresql: its
# control fields, its files, and CREATE EXTENSION from the unpacked package on
# a server of the test's own (tests/databases/cluster.sh).
#
#   postgresql_package_test.sh BUILD_DIR VERSION PG_CONFIG
set -euo pipefail
build_dir=$1 version=$2 pg_config=$3
here=$(cd "$(dirname "$0")" && pwd)
work="$build_dir/test-package-postgresql"
root="$work/root"
rm -rf "$work"
mkdir -p "$work"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

(cd "$build_dir" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log" >&2
  exit 1
}
deb=("$work"/numerant-postgresql_*.deb)
[ -f "${deb[0]}" ] || { echo "FAIL: cpack made no numerant-postgresql_*.deb" >&2; exit 1; }
dpkg-deb -x "${deb[0]}" "$root"

field() { dpkg-deb --field "${deb[0]}" "$1"; }
[ "$(field Package)" = numerant-postgresql ] || fail "package name is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "package version is '$(field Version)', not $version"
[ "$(field Section)" = database ] || fail "section is '$(field Section)'"
depends=$(field Depends)
for needed in postgresql-15 'libc6 (>=' 'libstdc++6 (>='; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks '$needed': $depends"
done
[[ "$depends" != *qt6* ]] || fail "Depends names Qt: $depends"

pkglibdir=$("$pg_config" --pkglibdir) sharedir=$("$pg_config" --sharedir)
expected="${pkglibdir#/}/numerant.so
${sharedir#/}/extension/numerant--1.0.sql
${sharedir#/}/extension/numerant.control
usr/share/doc/numerant-postgresql/copyright"
actual=$(cd "$root" && find . -type f | sed 's|^\./||' | sort)
[ "$actual" = "$(sort <<<"$expected")" ] || fail "the package holds:
$actual
not:
$expected"
# The package numerant beside it keeps the extension out.
main=("$work"/numerant_*.deb)
if dpkg-deb -c "${main[0]}" | grep -q postgresql; then
  fail "the package numerant carries PostgreSQL files"
fi

answer=$(bash "$here/../databases/cluster.sh" "$root$pkglibdir" "$root$sharedir/extension" \
  bash -c '"$NUMERANT_PSQL" -X -q -A -t -v ON_ERROR_STOP=1 \
    -c "CREATE EXTENSION numerant" \
    -c "SELECT numerant.check('"'EAN'"', '"'4006381333931'"'), numerant.calculate('"'Verhoeff'"', '"'236'"')"' 2>&1) ||
  fail "CREATE EXTENSION from the package failed: $answer"
[ "$answer" = "t|3" ] || fail "the packaged extension answered: $answer"

[ "$failures" -eq 0 ] || exit 1
echo "$(basename "${deb[0]}"): Depends: $depends; CREATE EXTENSION numerant works"
