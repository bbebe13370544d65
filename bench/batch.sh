#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The batch benchmark, in one command:
#
#   bench/batch.sh            # 1,000,000 numbers a scheme
#   COUNT=100000 bench/batch.sh
#
# Builds numerant-cli, the benchmarks and the input floor in Release mode
# under build-bench/ (at most two compile jobs), writes the number files once
# (build-bench/batch-data-COUNT/), compiles the Java harness, then runs
# bench/batch.py: numerant-cli check against python-stdnum on Luhn,
# Creditcard, IBAN, EAN, ISBN and Verhoeff, against the input floor, the
# in-process Check against Apache Commons Validator, and the window's refresh
# step. Needs the Debian packages libbenchmark-dev, python3-stdnum,
# libcommons-validator-java and openjdk-17-jdk-headless.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${NUMERANT_BENCH_DIR:-$root/build-bench}"
count="${COUNT:-1000000}"
data="$build/batch-data-$count"
jar=/usr/share/java/commons-validator.jar

missing=()
for need in /usr/bin/python3 javac java cmake ninja; do
  command -v "$need" >/dev/null || missing+=("$need")
done
[ -f "$jar" ] || missing+=("$jar (libcommons-validator-java)")
/usr/bin/python3 -c 'import stdnum' 2>/dev/null || missing+=("python3-stdnum")
if [ ${#missing[@]} -ne 0 ]; then
  echo "bench/batch.sh needs: ${missing[*]}" >&2
  exit 1
fi

# Warnings stay warnings here: the figures should not depend on how strict
# one compiler version is about the optimised code.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNUMERANT_BUILD_APP=OFF \
  -DNUMERANT_BUILD_TESTS=OFF -DNUMERANT_BUILD_BENCHMARKS=ON -DNUMERANT_WARNINGS_AS_ERRORS=OFF \
  >/dev/null
if ! log=$(cmake --build "$build" --parallel 2 \
  --target numerant-cli numerant_bench numerant_check_loop numerant_input_floor 2>&1); then
  echo "$log" >&2
  exit 1
fi

if [ ! -f "$data/Verhoeff.txt" ]; then
  echo "Writing $count numbers a scheme to $data ..." >&2
  /usr/bin/python3 "$root/bench/generate.py" "$data.tmp" "$count"
  rm -rf "$data" && mv "$data.tmp" "$data"
fi

javac -d "$build/java" -cp "$jar" "$root/bench/java/CheckDigitBench.java"

/usr/bin/python3 "$root/bench/batch.py" "$build" "$data" "$build/java"
