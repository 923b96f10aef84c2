#!/usr/bin/env bash
# Build (installing what is missing) and start Brennick; arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh run
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Brennick needs a graphical display: no DISPLAY is set (try: xvfb-run ./run.sh)." >&2
  exit 1
fi
exec ./build/bin/brennick "$@"
