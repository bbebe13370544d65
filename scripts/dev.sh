#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Set-up, build and run for Numerant on Debian 12.
#
#   scripts/dev.sh window        build and run the calculator window
#   scripts/dev.sh test          build and run every test
#   scripts/dev.sh screenshots   redraw the window pictures under docs/
#   scripts/dev.sh package       build the Debian package
#
# Missing Debian packages are installed with apt-get when run as root; other
# users are shown the one apt-get line to run. Builds go to build/.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${NUMERANT_BUILD_DIR:-$root/build}"
jobs=$(nproc 2>/dev/null || echo 2)

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  dpkg-dev desktop-file-utils appstream file python3-debian
  clang libclang-rt-14-dev python3-stdnum
  pybind11-dev python3-dev python3-pytest python3-dask python3-distributed
)

ensure_packages() {
  local missing=()
  local package
  for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -qx installed; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Numerant needs these Debian packages; install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing ${missing[*]} ..." >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

configure() {
  cmake -S "$root" -B "$build" -G Ninja -DNUMERANT_WARNINGS_AS_ERRORS=ON "$@" >/dev/null
}

run_window() {
  configure
  cmake --build "$build" --parallel "$jobs" --target numerant numerant-screenshot numerant-cli
  if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$build/app/numerant"
  fi
  # No display: show the window on a virtual X screen and keep a picture of it.
  local shots="$build/screenshots"
  xvfb-run --auto-servernum --server-args="-screen 0 640x480x24" \
    "$build/app/numerant-screenshot" "$shots"
  echo "No display here: the window was shown on a virtual X screen; see the screenshots above."
  echo "For batch work without a window, try: $build/cli/numerant-cli --help"
}

# The README's pictures of the window, taken from the real window on a virtual
# X screen, at device pixel ratio 1 and 2.
run_screenshots() {
  configure
  cmake --build "$build" --parallel "$jobs" --target numerant-screenshot
  local shots
  shots=$(mktemp -d)
  xvfb-run --auto-servernum --server-args="-screen 0 640x480x24" \
    "$build/app/numerant-screenshot" "$shots/1x" >/dev/null
  QT_SCALE_FACTOR=2 xvfb-run --auto-servernum --server-args="-screen 0 1280x960x24" \
    "$build/app/numerant-screenshot" "$shots/2x" >/dev/null
  local mode
  for mode in check calculate; do
    cp "$shots/1x/numerant-$mode.png" "$root/docs/numerant-$mode.png"
    cp "$shots/2x/numerant-$mode.png" "$root/docs/numerant-$mode@2x.png"
    echo "$root/docs/numerant-$mode.png"
    echo "$root/docs/numerant-$mode@2x.png"
  done
  rm -rf "$shots"
  # The verdict's tooltip: what a valid number tells, and why others fail.
  local name scheme number
  while read -r name scheme number; do
    xvfb-run --auto-servernum --server-args="-screen 0 640x480x24" \
      "$build/app/numerant-screenshot" --tooltip "$root/docs/numerant-tooltip-$name.png" \
      "$scheme" "$number"
  done <<'TOOLTIPS'
valid PESEL 85031512344
length EAN 400638133393
digit Verhoeff 2364
TOOLTIPS
}

run_package() {
  configure
  cmake --build "$build" --parallel "$jobs"
  (cd "$build" && cpack -G DEB >/dev/null)
  ls "$build"/numerant_*.deb
}

run_tests() {
  configure
  cmake --build "$build" --parallel "$jobs"
  (cd "$build" && ctest --output-on-failure --parallel "$jobs")

  # The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
  echo "== Tests under the address and undefined-behaviour sanitizers"
  local sanitized="$build-sanitize"
  cmake -S "$root" -B "$sanitized" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNUMERANT_SANITIZE=ON \
    -DNUMERANT_WARNINGS_AS_ERRORS=ON >/dev/null
  cmake --build "$sanitized" --parallel "$jobs"
  (cd "$sanitized" && ctest --output-on-failure --parallel "$jobs" --label-exclude packaging)

  # A bounded, repeatable fuzzing run over every scheme class (clang's libFuzzer).
  echo "== Fuzzing every scheme class"
  local fuzz="$build-fuzz"
  CXX=clang++ cmake -S "$root" -B "$fuzz" -G Ninja -DNUMERANT_BUILD_FUZZERS=ON \
    -DNUMERANT_SANITIZE=ON -DNUMERANT_BUILD_APP=OFF -DNUMERANT_WARNINGS_AS_ERRORS=ON >/dev/null
  cmake --build "$fuzz" --parallel "$jobs" --target scheme_fuzzer
  (cd "$fuzz" && ctest --output-on-failure -R '^scheme_fuzzer_bounded$')
}

ensure_packages
case "${1:-}" in
  window) run_window ;;
  test) run_tests ;;
  screenshots) run_screenshots ;;
  package) run_package ;;
  *)
    echo "usage: scripts/dev.sh window|test|screenshots|package" >&2
    exit 2
    ;;
esac
