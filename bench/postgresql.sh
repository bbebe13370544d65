#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# numerant.check in PostgreSQL beside the isn module and a PL/pgSQL check, on
# one million EAN-13 numbers, half of them invalid (bench/postgresql.py), on
# a server of its own (tests/databases/cluster.sh).
#
#   bench/postgresql.sh                  build the extension in Release under build-bench/ and run
#   COUNT=100000 RUNS=3 bench/postgresql.sh
#   NUMERANT_BUILD_DIR=build bench/postgresql.sh    use another build's extension
#
# Needs postgresql-15, postgresql-server-dev-15 and postgresql-contrib (isn).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${NUMERANT_BUILD_DIR:-$root/build-bench}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNUMERANT_BUILD_APP=OFF \
    -DNUMERANT_BUILD_POSTGRESQL=ON >/dev/null
fi
cmake --build "$build" --parallel 2 --target numerant_postgresql >&2
module="$build/databases/postgresql"
exec bash "$root/tests/databases/cluster.sh" "$module" "$module" \
  /usr/bin/python3 "$root/bench/postgresql.py" --count "${COUNT:-1000000}" --runs "${RUNS:-5}"
