#!/usr/bin/env bash
# Rewrites every tests/golden/*.expected.json from the current brennick-cli.
# Review the diff like code and say in the commit why each change is right.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cli="${1:-$here/../../build/bin/brennick-cli}"
for case in "$here"/*.args; do
  name="$(basename "$case" .args)"
  mapfile -t args < "$case"
  command=(eval "${args[@]}")
  case "${args[0]:-}" in browse|skills) command=("${args[@]}") ;; esac
  (cd "$here" && "$cli" "${command[@]}" --json > "$here/$name.expected.json") || [ $? -eq 1 ]
  echo "wrote $name.expected.json"
done
