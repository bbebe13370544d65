#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the project into a prefix inside the build directory, then builds
# and runs examples/consumer against the installed CMake package alone.
#
#   consumer_test.sh SOURCE_DIR BUILD_DIR VERSION GENERATOR CXX_COMPILER
set -euo pipefail
source_dir=$1 build_dir=$2 version=$3 generator=$4 compiler=$5
work="$build_dir/test-consumer"
prefix="$work/prefix"
rm -rf "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

# The component of the library and the programs: the PostgreSQL extension
# goes to the server's own folders whatever the prefix.
cmake --install "$build_dir" --prefix "$prefix" --component Unspecified >/dev/null

# Our warning flags stay ours: nothing in the package names the target that
# carries them.
! grep -rq numerant_warnings "$prefix/lib/cmake/Numerant" ||
  fail "the CMake package exports numerant_warnings"
grep -q "set(PACKAGE_VERSION \"$version\")" "$prefix/lib/cmake/Numerant/NumerantConfigVersion.cmake" ||
  fail "the CMake package does not carry version $version"

cmake -S "$source_dir/examples/consumer" -B "$work/build" -G "$generator" \
  -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY=ON >/dev/null
cmake --build "$work/build" >/dev/null

expected="Numerant $version; Luhn check digit of 7992 7398 71: 3
Verhoeff 2363: check digit(s) 4; as a complete number valid
Verhoeff 1234: check digit(s) 0; as a complete number invalid
Verhoeff 12a: check digit(s) -1; as a complete number invalid"
actual=$("$work/build/check-digits" verhoeff 2363 1234 12a)
[ "$actual" = "$expected" ] || fail "check-digits printed:
$actual
expected:
$expected"
echo "the consumer built against $prefix and ran"
