#!/usr/bin/env bash
# Pictures of every window into docs/ (or the folder given): builds the
# program and brennick_screenshots into build/, then opens each window under
# Xvfb (Qt's xcb platform) with a level-120 Knight with items, buffs and
# skills (tests/golden/skills_knight_l120_on.args plus items from the lists
# and menus) and saves one PNG per window.
#
#   scripts/screenshots.sh [OUT_DIR]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT="$(realpath -m "${1:-$ROOT/docs}")"
"$ROOT/scripts/setup.sh" test
mkdir -p "$OUT"
# A screen large enough for the main window and its open menus; the
# picture does not depend on a window manager (each window grabs itself).
unset QT_QPA_PLATFORM
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp" \
  "$ROOT/build/bin/brennick_screenshots" "$OUT" "$ROOT/tests/golden/skills_knight_l120_on.args"
