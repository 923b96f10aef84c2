#!/usr/bin/env bash
# Build (installing what is missing) and run every test, windows on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh test
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$(nproc)" "$@"
