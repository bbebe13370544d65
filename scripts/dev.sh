#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Set-up, build and run for Numerant on Debian 12.
#
#   scripts/dev.sh window        build and run the calculator window
#   scripts/dev.sh test          build and run every test
#   scripts/dev.sh screenshots   redraw the window pictures under docs/
#   scripts/dev.sh package       build the Debian package
#   scripts/dev.sh web           build the page and serve it on http://127.0.0.1:8080/
#   scripts/dev.sh web-build     build the page into build-web/site/ only
#
# Missing Debian packages are installed with apt-get when run as root; other
# users are shown the one apt-get line to run. Builds go to build/, the page
# (the library compiled to WebAssembly) to build-web/.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${NUMERANT_BUILD_DIR:-$root/build}"
web_build="${NUMERANT_WEB_BUILD_DIR:-$root/build-web}"
jobs=$(nproc 2>/dev/null || echo 2)

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  dpkg-dev desktop-file-utils appstream file python3-debian
  clang libclang-rt-14-dev python3-stdnum
  pybind11-dev python3-dev python3-pytest python3-dask python3-distributed
  python3-venv python3-setuptools python3-wheel
  emscripten chromium chromium-driver python3-selenium
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
  cmake -S "$root" -B "$build" -G Ninja -DNUMERANT_WARNINGS_AS_ERRORS=ON \
    -DNUMERANT_WEB_SITE_DIR="$web_build/site" "$@" >/dev/null
}

# The page: the scheme library compiled by Debian's Emscripten, with the
# page's own files, in $web_build/site. em++ runs its JavaScript optimiser on
# node, which finds Debian's acorn module only on NODE_PATH when node is not
# Debian's own.
build_web() {
  export EMSDK_PYTHON=/usr/bin/python3
  export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
  emcmake cmake -S "$root/web" -B "$web_build" -G Ninja -DNUMERANT_WARNINGS_AS_ERRORS=ON \
    "$@" >/dev/null
  cmake --build "$web_build" --parallel "$jobs" >&2
}

run_web_build() {
  build_web
  echo "$web_build/site"
}

# Serves the page on the loopback address until interrupted; without a
# display, also keeps a picture of it taken by headless Chromium.
run_web() {
  build_web
  local port="${PORT:-8080}"
  local address="http://127.0.0.1:$port/"
  if (: </dev/tcp/127.0.0.1/"$port") 2>/dev/null; then
    echo "Port $port is in use; try PORT=8081 scripts/dev.sh web" >&2
    exit 1
  fi
  /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory "$web_build/site" "$port" \
    >/dev/null 2>&1 &
  web_server=$!
  trap 'kill "$web_server" 2>/dev/null' EXIT
  local _
  for _ in $(seq 100); do
    (: </dev/tcp/127.0.0.1/"$port") 2>/dev/null && break
    kill -0 "$web_server" 2>/dev/null || { echo "The server could not start on port $port" >&2; exit 1; }
    sleep 0.1
  done
  echo "Numerant's page: $address (Ctrl-C stops the server)"
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    local shots="$web_build/screenshots" profile
    mkdir -p "$shots"
    profile=$(mktemp -d)
    chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
      --disable-background-networking --disable-component-update --disable-sync \
      --user-data-dir="$profile" --hide-scrollbars --window-size=800,600 \
      --virtual-time-budget=5000 --screenshot="$shots/numerant-web.png" "${address}#IBAN" \
      >/dev/null 2>&1 || true
    rm -rf "$profile"
    echo "No display here: a picture of the page taken by headless Chromium is $shots/numerant-web.png"
  fi
  wait "$web_server"
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

  # The page, built with Emscripten and driven in headless Chromium, against
  # the command line's answers.
  echo "== The page in headless Chromium"
  build_web -DNUMERANT_CLI="$build/cli/numerant-cli"
  (cd "$web_build" && ctest --output-on-failure --parallel "$jobs")

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
  web) run_web ;;
  web-build) run_web_build ;;
  *)
    echo "usage: scripts/dev.sh window|test|screenshots|package|web|web-build" >&2
    exit 2
    ;;
esac
