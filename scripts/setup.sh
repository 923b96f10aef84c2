#!/usr/bin/env bash
# Shared first half of ./run.sh and ./test.sh: install the Debian packages the
# build needs when any is missing, then configure and build into build/.
#
#   scripts/setup.sh run    what the program needs, and only the program is built
#   scripts/setup.sh test   also the test and benchmark toolchain; everything is built
#   scripts/setup.sh bench  the same toolchain; only the benchmarks are built
#   scripts/setup.sh package  the program's packages and the packaging tools
#                           (help2man, dpkg-shlibdeps, file); the programs,
#                           their pictures and manual pages are built
#
# After the mode, options for another build folder with other settings:
#   --build-dir DIR         build into DIR (relative to the repository) instead of build/
#   --cmake-arg ARG         one more cmake configure argument (repeatable), e.g.
#                           --cmake-arg -DBRENNICK_SANITIZE=ON
set -euo pipefail
MODE="${1:-test}"
[ $# -gt 0 ] && shift
BUILD_DIR=build
EXTRA_CONFIG=()
while [ $# -gt 0 ]; do
  case "$1" in
    --build-dir) BUILD_DIR="${2:?--build-dir needs a folder}"; shift 2 ;;
    --cmake-arg) EXTRA_CONFIG+=("${2:?--cmake-arg needs an argument}"); shift 2 ;;
    *) echo "scripts/setup.sh: unknown option '$1'" >&2; exit 2 ;;
  esac
done

PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev nlohmann-json3-dev libcli11-dev zlib1g-dev)
if [ "$MODE" != run ]; then
  # clang builds the fuzz targets; its sanitizer and fuzzer runtimes are a
  # package of their own, which clang does not bring without recommends.
  PACKAGES+=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev xvfb xauth util-linux)
fi
if [ "$MODE" = test ] || [ "$MODE" = package ]; then
  # The Debian package: manual pages from --help, Depends from the shared
  # libraries (dpkg-shlibdeps, which CPack finds with file); the package
  # test also checks it with lintian, desktop-file-validate and appstreamcli.
  PACKAGES+=(help2man dpkg-dev file)
  [ "$MODE" = test ] && PACKAGES+=(lintian desktop-file-utils appstream)
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
BUILD="$ROOT/$BUILD_DIR"
CONFIG=(-S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${EXTRA_CONFIG[@]+"${EXTRA_CONFIG[@]}"})
# CI treats every compiler warning as an error.
[ "${CI:-}" = true ] && CONFIG+=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
if [ "$MODE" = run ]; then
  # Only the program: a folder ./test.sh made keeps its tests.
  [ -f "$BUILD/build.ninja" ] || cmake "${CONFIG[@]}" -DBRENNICK_TESTS=OFF
  cmake --build "$BUILD" --target brennick -- -j"$(nproc)"
elif [ "$MODE" = package ]; then
  cmake "${CONFIG[@]}" -DBRENNICK_TESTS=OFF > /dev/null
  cmake --build "$BUILD" -- -j"$(nproc)"
elif [ "$MODE" = bench ]; then
  cmake "${CONFIG[@]}" -DBRENNICK_TESTS=ON > /dev/null
  cmake --build "$BUILD" --target brennick_bench brennick_startup_bench -- -j"$(nproc)"
else
  # Configured again so that a build folder first made by ./run.sh finds the
  # test toolchain installed just now.
  cmake "${CONFIG[@]}" -DBRENNICK_TESTS=ON > /dev/null
  cmake --build "$BUILD" -- -j"$(nproc)"
fi
