#!/usr/bin/env bash
# Build (installing what is missing) and run every test, windows on the offscreen platform.
#
#   ./test.sh [CTEST_ARGS...]             into build/
#   ./test.sh --sanitize [CTEST_ARGS...]  into build-sanitize/, with AddressSanitizer,
#                                         LeakSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")"
BUILD_DIR=build
SETUP=(test)
if [ "${1:-}" = --sanitize ]; then
  shift
  BUILD_DIR=build-sanitize
  SETUP+=(--build-dir "$BUILD_DIR" --cmake-arg -DBRENNICK_SANITIZE=ON)
  # Tests may read this to know they run sanitized (slower, e.g. to take
  # fewer rounds of a long loop).
  export BRENNICK_SANITIZE=1
  # Any report ends the program with a failure; leaks of the system libraries
  # below the windows (never of our code) are listed in the suppressions file.
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0"
fi
./scripts/setup.sh "${SETUP[@]}"
export QT_QPA_PLATFORM=offscreen
cd "$BUILD_DIR"
ctest --output-on-failure -j"$(nproc)" "$@"
