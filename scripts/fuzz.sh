#!/usr/bin/env bash
# Longer fuzzing: runs every fuzz target for MINUTES minutes each on its
# committed corpus (tests/fuzz/corpus/<target>/), growing a copy in a work
# folder, then merges what it found back into tests/fuzz/corpus/<target>/
# with libFuzzer's -merge=1 (only inputs that reach new code are added).
# Prints the executions of each target and the crashes found.
#
#   scripts/fuzz.sh MINUTES
#
# Environment:
#   BUILD_DIR  the build folder (default: build); configured if it is not
#   FUZZ_JOBS  targets run at the same time, 1 or 2 (default: 2)
#   FUZZ_WORK  the work folder (default: $BUILD_DIR/fuzz/campaign)
#   FUZZ_TARGETS  the targets to run, separated by blanks (default: every
#              target), e.g. to give a slow one a run of its own
#   FUZZ_RUNS  a target stops once it has made this many executions, even
#              before its MINUTES are up (default: no such limit)
#
# Exit status: 0 clean, 1 a crash (its input is in the work folder), 2 bad use.
set -euo pipefail

usage() {
  echo "usage: scripts/fuzz.sh MINUTES" >&2
  echo "  MINUTES  whole minutes each fuzz target runs, a number from 1 to 1440" >&2
  echo "  environment: BUILD_DIR (default build), FUZZ_JOBS 1 or 2 (default 2), FUZZ_WORK, FUZZ_TARGETS, FUZZ_RUNS" >&2
  exit 2
}

[[ $# -eq 1 ]] || usage
minutes=$1
if ! [[ $minutes =~ ^[0-9]+$ ]] || ((10#$minutes < 1 || 10#$minutes > 1440)); then
  echo "fuzz.sh: MINUTES must be a whole number from 1 to 1440, not '$minutes'" >&2
  usage
fi
minutes=$((10#$minutes))
jobs=${FUZZ_JOBS:-2}
if [[ $jobs != 1 && $jobs != 2 ]]; then
  echo "fuzz.sh: FUZZ_JOBS must be 1 or 2, not '$jobs'" >&2
  usage
fi

runs=()
if [[ -n ${FUZZ_RUNS:-} ]]; then
  if ! [[ $FUZZ_RUNS =~ ^[1-9][0-9]{0,11}$ ]]; then
    echo "fuzz.sh: FUZZ_RUNS must be a whole number of executions above 0, not '$FUZZ_RUNS'" >&2
    usage
  fi
  runs=(-runs="$FUZZ_RUNS")
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
[[ $build = /* ]] || build=$root/$build
work=${FUZZ_WORK:-$build/fuzz/campaign}
seconds=$((minutes * 60))

# Configure if needed; the configure step writes the list of targets.
if [[ ! -f $build/fuzz/targets.txt ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
if [[ ! -f $build/fuzz/targets.txt ]]; then
  echo "fuzz.sh: no fuzz targets in $build (is clang++ installed? scripts/setup.sh installs it)" >&2
  exit 1
fi
mapfile -t targets < <(grep -v '^$' "$build/fuzz/targets.txt")
if [[ -n ${FUZZ_TARGETS:-} ]]; then
  chosen=()
  for t in $FUZZ_TARGETS; do
    if ! printf '%s\n' "${targets[@]}" | grep -qx -- "$t"; then
      echo "fuzz.sh: FUZZ_TARGETS names '$t', which is not a fuzz target (targets: ${targets[*]})" >&2
      usage
    fi
    chosen+=("$t")
  done
  targets=("${chosen[@]}")
fi
echo "Building ${targets[*]}"
nice cmake --build "$build" --target "${targets[@]}" -- -j2 >/dev/null

# run_one TARGET: fuzzes TARGET for the given time; its log is in the work folder.
run_one() {
  local t=$1 dir=$work/$1
  rm -rf "$dir/artifacts"
  mkdir -p "$dir/corpus" "$dir/artifacts"
  nice -n 10 "$build/fuzz/$t" \
    -max_total_time="$seconds" ${runs[@]+"${runs[@]}"} -rss_limit_mb=2048 -timeout=10 -max_len=8192 \
    -print_final_stats=1 -artifact_prefix="$dir/artifacts/" \
    "$dir/corpus" "$root/tests/fuzz/corpus/$t" >"$dir/fuzz.log" 2>&1 || true
}

echo "Fuzzing ${#targets[@]} targets for $minutes min each, $jobs at a time (work folder $work)"
running=0
for t in "${targets[@]}"; do
  run_one "$t" &
  running=$((running + 1))
  if ((running >= jobs)); then
    wait -n || true
    running=$((running - 1))
  fi
done
wait

# Merge into the committed corpus and report.
status=0
printf '%-18s %12s %8s %8s %8s\n' target executions exec/s crashes added
for t in "${targets[@]}"; do
  dir=$work/$t
  mkdir -p "$root/tests/fuzz/corpus/$t"
  before=$(find "$root/tests/fuzz/corpus/$t" -type f | wc -l)
  nice -n 10 "$build/fuzz/$t" -merge=1 -max_len=8192 -rss_limit_mb=2048 -timeout=10 \
    -artifact_prefix="$dir/artifacts/" \
    "$root/tests/fuzz/corpus/$t" "$dir/corpus" >"$dir/merge.log" 2>&1 || true
  after=$(find "$root/tests/fuzz/corpus/$t" -type f | wc -l)
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/fuzz.log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$dir/fuzz.log" | tail -1)
  crashes=$(find "$dir/artifacts" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  printf '%-18s %12s %8s %8s %8s\n' "$t" "${execs:-?}" "${rate:-?}" "$crashes" "$((after - before))"
  if ((crashes > 0)); then
    status=1
    find "$dir/artifacts" -type f | sed 's/^/  crash input: /'
    grep -m3 -E 'ERROR|check failed|SUMMARY' "$dir/fuzz.log" | sed 's/^/  /' || true
  fi
done
du -sk "$root/tests/fuzz/corpus" | awk '{print "corpus: " $1 " KB in tests/fuzz/corpus"}'
exit $status
