#!/usr/bin/env bash
# Shared first half of ./run.sh and ./test.sh: install the Debian packages the
# build needs when any is missing, then configure and build into build/.
set -euo pipefail

PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev nlohmann-json3-dev libcli11-dev clang xvfb xauth)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ ! -f "$ROOT/build/build.ninja" ]; then
  cmake -S "$ROOT" -B "$ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$ROOT/build" -- -j"$(nproc)"
