#!/usr/bin/env bash
# Set-up, build and run for Numerant on Debian 12.
#
#   scripts/dev.sh window   build and run the calculator window
#   scripts/dev.sh test     build and run every test
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
  libgtest-dev libgmock-dev libbenchmark-dev python3-stdnum
  xvfb xauth
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

run_tests() {
  configure
  cmake --build "$build" --parallel "$jobs"
  (cd "$build" && ctest --output-on-failure --parallel "$jobs")
}

ensure_packages
case "${1:-}" in
  window) run_window ;;
  test) run_tests ;;
  *)
    echo "usage: scripts/dev.sh window|test" >&2
    exit 2
    ;;
esac
