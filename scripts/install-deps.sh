#!/usr/bin/env bash
# Installs every Debian package Velmora needs to build, test and run.
# Safe to run again: apt-get skips what is already there.
#   --dev  also installs the developer tools CI does not need (clang and its
#          runtime libraries for the libFuzzer targets, nginx and wrk for the
#          server load run)
set -euo pipefail

dev=0
for arg in "$@"; do
  case "$arg" in
    --dev) dev=1 ;;
    *) echo "install-deps.sh: unknown option $arg (known: --dev)" >&2; exit 2 ;;
  esac
done

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config git
  # libraries of the logic and the server
  libjsoncpp-dev libpcre2-dev libcurl4-openssl-dev libssl-dev
  libsqlite3-dev libcpp-httplib-dev libboost-dev
  # windows and the web pane
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-webengine-dev
  qt6-svg-dev libgl-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  # a display for window tests, screenshots and Chinese text
  xvfb xauth xfonts-base x11-utils imagemagick fonts-noto-cjk
  # loopback tools used by the end-to-end tests
  curl procps
)

if [ "$dev" -eq 1 ]; then
  packages+=(
    # libFuzzer targets (cmake --preset fuzz)
    clang libclang-rt-14-dev
    # the server load run (bench/server/load.sh): nginx as the yardstick, wrk as the load
    nginx wrk
  )
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps.sh: run as root (apt-get needs it)" >&2
  exit 1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps.sh: all packages present"
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
