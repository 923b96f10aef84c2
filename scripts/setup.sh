#!/usr/bin/env bash
# Shared first half of ./run.sh and ./test.sh: install the Debian packages the
# build needs when any is missing, then configure and build into build/.
#
#   scripts/setup.sh run    what the program needs, and only the program is built
#   scripts/setup.sh test   also the test and benchmark toolchain; everything is built
#   scripts/setup.sh bench  the same toolchain; only the benchmarks are built
set -euo pipefail
MODE="${1:-test}"

PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev nlohmann-json3-dev libcli11-dev zlib1g-dev)
if [ "$MODE" != run ]; then
  PACKAGES+=(libgtest-dev libgmock-dev libbenchmark-dev clang xvfb xauth util-linux)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  SUDO=()
  # sudo resets the environment: the variable is passed through env.
  [ "$(id -u)" -ne 0 ] && SUDO=(sudo)
  "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
CONFIG=(-S "$ROOT" -B "$ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo)
# CI treats every compiler warning as an error.
[ "${CI:-}" = true ] && CONFIG+=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
if [ "$MODE" = run ]; then
  [ -f "$ROOT/build/build.ninja" ] || cmake "${CONFIG[@]}"
  cmake --build "$ROOT/build" --target brennick -- -j"$(nproc)"
elif [ "$MODE" = bench ]; then
  cmake "${CONFIG[@]}" > /dev/null
  cmake --build "$ROOT/build" --target brennick_bench brennick_startup_bench -- -j"$(nproc)"
else
  # Configured again so that a build folder first made by ./run.sh finds the
  # test toolchain installed just now.
  cmake "${CONFIG[@]}" > /dev/null
  cmake --build "$ROOT/build" -- -j"$(nproc)"
fi
