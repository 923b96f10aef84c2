#!/usr/bin/env bash
# Rewrites tests/golden/NAME.expected.json from the current brennick-cli:
#   tests/golden/regenerate.sh            every case
#   tests/golden/regenerate.sh NAME...    only these cases (NAME or NAME.args)
# BRENNICK_CLI names another brennick-cli than build/bin/brennick-cli.
# Review the diff like code and say in the commit why each change is right.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cli="${BRENNICK_CLI:-$here/../../build/bin/brennick-cli}"
cases=()
if [ $# -eq 0 ]; then
  cases=("$here"/*.args)
else
  for name in "$@"; do
    name="$(basename "$name" .args)"
    [ -f "$here/$name.args" ] || { echo "regenerate.sh: no golden case $name" >&2; exit 2; }
    cases+=("$here/$name.args")
  done
fi
for case in "${cases[@]}"; do
  name="$(basename "$case" .args)"
  mapfile -t args < "$case"
  command=(eval "${args[@]}")
  case "${args[0]:-}" in browse|skills|code|explain|delta) command=("${args[@]}") ;; esac
  (cd "$here" && "$cli" "${command[@]}" --json > "$here/$name.expected.json") || [ $? -eq 1 ]
  echo "wrote $name.expected.json"
done
