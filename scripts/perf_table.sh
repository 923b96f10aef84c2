#!/usr/bin/env bash
# Measures the program in one run and prints the README's performance table
# (Markdown) with the machine it ran on. Builds what it needs first
# (installing missing Debian packages like ./test.sh); the build's output
# goes to standard error, so standard output is the table alone:
#
#   scripts/perf_table.sh > table.md
#
# Every figure is a median: the Google Benchmark cases of build/bin/brennick_bench
# over REPETITIONS repetitions (--benchmark_repetitions, aggregates only; the
# patcher and the plain loop alternate 9 rounds in one case), start-up and peak memory over
# RUNS fresh processes of build/bin/brennick_startup_bench. Windows use Qt's
# offscreen platform.
#   BRENNICK_BENCH_REPETITIONS (default 9), BRENNICK_STARTUP_RUNS (default 31)
set -euo pipefail
shopt -s inherit_errexit
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
REPETITIONS="${BRENNICK_BENCH_REPETITIONS:-9}"
RUNS="${BRENNICK_STARTUP_RUNS:-31}"

"$ROOT/scripts/setup.sh" bench >&2
BIN="$ROOT/build/bin"
export QT_QPA_PLATFORM=offscreen
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT

LOAD_BEFORE="$(cut -d' ' -f1-3 /proc/loadavg)"
echo "Measuring start-up and memory ($RUNS processes of each kind) ..." >&2
"$BIN/brennick_startup_bench" --runs "$RUNS" > "$TMP/startup.txt"
echo "Running the benchmarks ($REPETITIONS repetitions) ..." >&2
"$BIN/brennick_bench" --benchmark_repetitions="$REPETITIONS" --benchmark_report_aggregates_only=true \
  --benchmark_filter='^BM_(ClassPass|WindowPass|BuildLoad|WeaponMenuDeltas)' \
  --benchmark_format=csv > "$TMP/bench.csv" 2> "$TMP/bench.err" || {
  cat "$TMP/bench.err" >&2
  exit 1
}
# The comparison on its own: the CSV output wants the same counters in every row.
"$BIN/brennick_bench" --benchmark_filter='^BM_PatcherAgainstPlainLoop' \
  --benchmark_format=csv > "$TMP/patch.csv" 2> "$TMP/bench.err" || {
  cat "$TMP/bench.err" >&2
  exit 1
}
LOAD_AFTER="$(cut -d' ' -f1-3 /proc/loadavg)"

startup() { awk -v k="$1" '$1 == k { print $2 }' "$TMP/startup.txt"; }
# The median of a benchmark as "VALUE UNIT" (real time); fails on a missing
# or failed case.
median() {
  awk -F, -v want="$1" '
    { name = $1; gsub(/"/, "", name) }
    name ~ /_median$/ {
      base = name; sub(/_median$/, "", base); sub(/\/iterations:[0-9]+/, "", base); sub(/\/repeats:[0-9]+/, "", base)
      if (base == want) {
        if ($9 == "true") { print "failed: " $10 > "/dev/stderr"; exit 1 }
        unit = $5; if (unit == "us") unit = "µs"
        printf "%s %s\n", $3, unit; found = 1; exit
      }
    }
    END { if (!found) exit 1 }' "$TMP/bench.csv" || { echo "no median for $1" >&2; exit 1; }
}
# Three significant figures.
fmt() { awk -v x="$1" 'BEGIN { if (x >= 100) printf "%.0f", x; else if (x >= 10) printf "%.1f", x; else printf "%.2f", x }'; }
show() { local m; m="$(median "$1")"; echo "$(fmt "${m% *}") ${m#* }"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f ×", a / b }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }

S_PROG="$(startup startup_program_ms)"
S_EMPTY="$(startup startup_empty_ms)"
Q_PROG="$(startup startup_qapp_program_ms)"
Q_EMPTY="$(startup startup_qapp_empty_ms)"
C_PROG="$(startup startup_cpu_program_ms)"
C_EMPTY="$(startup startup_cpu_empty_ms)"
M_PROG="$(startup memory_program_kib)"
M_ALL="$(startup memory_all_windows_kib)"
M_EMPTY="$(startup memory_empty_kib)"
O_MAX="$(startup first_open_max_ms)"
O_ALL="$(startup first_open_all_ms)"
QT="$(startup qt)"
declare -A SHOWN
for b in Fighter Archer Pikeman Mechanician Atalanta Knight Magician Priestess; do
  SHOWN[$b]="$(show "BM_ClassPass/$b")"
done
for b in BM_WindowPass BM_BuildLoad BM_WeaponMenuDeltas; do SHOWN[$b]="$(show "$b")"; done
# A counter of the patcher's comparison (its own medians over alternating rounds).
against() {
  awk -F, -v want="$1" '
    NR == 1 { for (i = 1; i <= NF; ++i) { h = $i; gsub(/"/, "", h); col[h] = i } ; next }
    { name = $1; gsub(/"/, "", name) }
    name ~ /^BM_PatcherAgainstPlainLoop/ {
      if ($col["error_occurred"] == "true") { print "failed: " $col["error_message"] > "/dev/stderr"; exit 1 }
      print $col[want]; found = 1; exit
    }
    END { if (!found) exit 1 }' "$TMP/patch.csv" || { echo "no $1 for BM_PatcherAgainstPlainLoop" >&2; exit 1; }
}
PATCH_WALL="$(against patcher_wall_ms)"
PLAIN_WALL="$(against plain_wall_ms)"
PATCH_CPU="$(against patcher_cpu_ms)"
PLAIN_CPU="$(against plain_cpu_ms)"

CPU="$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)"
RAM="$(awk '/^MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)"
OS="$(. /etc/os-release && echo "$PRETTY_NAME"), Linux $(uname -r)"
CXX="$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$ROOT/build/CMakeCache.txt")"
COMPILER="$("${CXX:-c++}" --version | head -1), RelWithDebInfo"

cat <<EOF
| Figure | Median | Target | Ratio |
| --- | ---: | --- | ---: |
| Start-up: every window created (contents made when first needed), main window shown (process start to first show) | $(fmt "$S_PROG") ms | ≤ 4 × empty window | $(ratio "$S_PROG" "$S_EMPTY") |
| Start-up: empty Qt window (process start to first show) | $(fmt "$S_EMPTY") ms | | |
| Start-up counted from QApplication creation: program / empty window | $(fmt "$Q_PROG") ms / $(fmt "$Q_EMPTY") ms | | $(ratio "$Q_PROG" "$Q_EMPTY") |
| Start-up processor time (the process's, start to first show): program / empty window | $(fmt "$C_PROG") ms / $(fmt "$C_EMPTY") ms | | $(ratio "$C_PROG" "$C_EMPTY") |
| First opening of a secondary window (contents made, laid out, painted): the slowest / all fifteen | $(fmt "$O_MAX") ms / $(fmt "$O_ALL") ms | | |
| Peak memory (VmHWM) after start-up, main window shown | $(mib "$M_PROG") | ≤ 2 × empty window | $(ratio "$M_PROG" "$M_EMPTY") |
| Peak memory (VmHWM): empty Qt window shown | $(mib "$M_EMPTY") | | |
| Peak memory (VmHWM) after every secondary window was shown too | $(mib "$M_ALL") | | $(ratio "$M_ALL" "$M_EMPTY") |
| Core pass, Fighter, level 120 | ${SHOWN[Fighter]} | | |
| Core pass, Archer, level 120 | ${SHOWN[Archer]} | | |
| Core pass, Pikeman, level 120 | ${SHOWN[Pikeman]} | | |
| Core pass, Mechanician, level 120 | ${SHOWN[Mechanician]} | | |
| Core pass, Atalanta, level 120 | ${SHOWN[Atalanta]} | | |
| Core pass, Knight, level 120 | ${SHOWN[Knight]} | | |
| Core pass, Magician, level 120 | ${SHOWN[Magician]} | | |
| Core pass, Priestess, level 120 | ${SHOWN[Priestess]} | | |
| Window pass: one keystroke in a statistic (edit, pass, refresh) | ${SHOWN[BM_WindowPass]} | | |
| Build load of a level-120 build, its pass included | ${SHOWN[BM_BuildLoad]} | | |
| The 145 item deltas of the weapon menu | ${SHOWN[BM_WeaponMenuDeltas]} | | |
| Bitmap patcher: 10,000 files of 50 KB, throughput against the plain loop (wall time) | $(fmt "$PATCH_WALL") ms | ≥ 0.9 × the loop's | $(ratio "$PLAIN_WALL" "$PATCH_WALL") |
| Plain write loop: the same bytes to the same files (wall time) | $(fmt "$PLAIN_WALL") ms | | |
| Bitmap patcher / plain loop, processor time | $(fmt "$PATCH_CPU") ms / $(fmt "$PLAIN_CPU") ms | | $(ratio "$PLAIN_CPU" "$PATCH_CPU") |

Machine: $CPU, $(nproc) cores, $RAM RAM; $OS; $COMPILER; Qt $QT; $(date -u '+%Y-%m-%d %H:%M UTC'); load average $LOAD_BEFORE before, $LOAD_AFTER after. Medians of $RUNS processes (start-up, memory) and $REPETITIONS repetitions (benchmarks; the patcher and the loop over 9 alternating rounds, each after the tree was flushed).
EOF
