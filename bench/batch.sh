#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The batch benchmark, in one command:
#
#   bench/batch.sh                       # 1,000,000 numbers a scheme, one run
#   COUNT=300000 RUNS=5 bench/batch.sh   # the medians of five runs
#   SOURCE=/path/to/other/checkout COUNT=300000 RUNS=5 bench/batch.sh
#   BASELINE=/path/to/other/checkout BASELINE_OUT=base.json COUNT=300000 RUNS=5 bench/batch.sh
#
# Builds numerant-cli, the benchmarks, the input floor and the Python module
# in Release mode under SOURCE/build-bench/ (SOURCE is this checkout unless
# given; at most two compile jobs), writes the number files once
# (build-bench/batch-data-COUNT/ of this checkout), compiles the Java harness,
# then runs this checkout's bench/batch.py RUNS times over: numerant-cli check
# against python-stdnum (end to end and strictly) on Luhn, Creditcard, IBAN,
# EAN, ISBN, Verhoeff, isin, lei, gtin and imei, Python's check_many, the
# input floor, the in-process fieldless check against Apache Commons
# Validator, every class and the window's refresh step. The tables of
# medians go to standard output, every figure to
# SOURCE/build-bench/batch-COUNT.json (or OUT) for bench/tables.py. So a
# baseline (another commit, checked out beside this one) is measured by the
# same harness on the same data. With BASELINE, the baseline is built under
# BASELINE/build-bench/ as well and measured in the same runs, alternately
# with this checkout (bench/batch.py --baseline), its figures going to
# BASELINE_OUT. Needs the Debian packages libbenchmark-dev,
# python3-stdnum, pybind11-dev, libcommons-validator-java and
# openjdk-17-jdk-headless.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source_dir=$(cd "${SOURCE:-$root}" && pwd)
build="${NUMERANT_BENCH_DIR:-$source_dir/build-bench}"
count="${COUNT:-1000000}"
runs="${RUNS:-1}"
data="$root/build-bench/batch-data-$count"
out="${OUT:-$build/batch-$count.json}"
jar=/usr/share/java/commons-validator.jar

# The peers and tools of the benchmark, beyond what scripts/dev.sh installs
# for the build and the tests; installed here when run as root on Debian.
bench_packages=(openjdk-17-jdk-headless libcommons-validator-java python3-stdnum
  libbenchmark-dev pybind11-dev python3-dev cmake ninja-build)
absent=()
for package in "${bench_packages[@]}"; do
  dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -qx installed ||
    absent+=("$package")
done
if [ ${#absent[@]} -ne 0 ] && [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
  echo "Installing ${absent[*]} ..." >&2
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${absent[@]}" >&2 ||
    { apt-get update >&2 &&
      DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${absent[@]}" >&2; }
fi

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
build_bench() {
  cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNUMERANT_BUILD_APP=OFF \
    -DNUMERANT_BUILD_TESTS=OFF -DNUMERANT_BUILD_BENCHMARKS=ON -DNUMERANT_WARNINGS_AS_ERRORS=OFF \
    >/dev/null
  if ! log=$(cmake --build "$2" --parallel 2 --target numerant-cli numerant_bench \
    numerant_check_loop numerant_input_floor numerant_python 2>&1); then
    echo "$log" >&2
    exit 1
  fi
}
build_bench "$source_dir" "$build"
paired=()
if [ -n "${BASELINE:-}" ]; then
  baseline_dir=$(cd "$BASELINE" && pwd)
  build_bench "$baseline_dir" "$baseline_dir/build-bench"
  paired=(--baseline "$baseline_dir/build-bench"
    --baseline-json "${BASELINE_OUT:-$baseline_dir/build-bench/batch-$count.json}"
    --baseline-label "$(git -C "$baseline_dir" describe --always --dirty 2>/dev/null || echo "$baseline_dir")")
fi

if [ ! -f "$data/imei.txt" ]; then
  echo "Writing $count numbers a scheme to $data ..." >&2
  /usr/bin/python3 "$root/bench/generate.py" "$data.tmp" "$count"
  rm -rf "$data" && mv "$data.tmp" "$data"
fi

javac -d "$build/java" -cp "$jar" "$root/bench/java/CheckDigitBench.java"

/usr/bin/python3 "$root/bench/batch.py" "$build" "$data" "$build/java" --runs "$runs" \
  --json "$out" --label "$(git -C "$source_dir" describe --always --dirty 2>/dev/null || echo "$source_dir")" \
  "${paired[@]}"
