#!/usr/bin/env bash
# Build (installing what is missing) and start Brennick; arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
# The display is asked for first: without one, the build would take minutes
# for a program that cannot show a window.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  if command -v xvfb-run > /dev/null 2>&1; then
    hint="try: xvfb-run ./run.sh"
  else
    hint="to start it without a screen: sudo apt-get install xvfb xauth, then xvfb-run ./run.sh"
  fi
  echo "Brennick needs a graphical display: no DISPLAY is set ($hint)." >&2
  exit 1
fi
./scripts/setup.sh run
exec ./build/bin/brennick "$@"
