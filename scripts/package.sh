#!/usr/bin/env bash
# Builds the Debian package of Brennick in Release mode (installing what is
# missing first) into build/packages/brennick_VERSION_amd64.deb:
#
#   scripts/package.sh
#   sudo apt install ./build/packages/brennick_*.deb
#
# The Release build has a folder of its own, build-release/, so the test
# build in build/ stays as it is.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
./scripts/setup.sh package --build-dir build-release --cmake-arg -DCMAKE_BUILD_TYPE=Release
mkdir -p build/packages
(cd build-release && cpack -G DEB -B "$ROOT/build/packages" > /dev/null)
rm -rf build/packages/_CPack_Packages
ls -1 "$ROOT"/build/packages/brennick_*.deb
