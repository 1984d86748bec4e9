#!/usr/bin/env bash
# Instructions per window event, counted by callgrind (independent of the
# machine's load): each event is played N times in a process of its own, and
# only those N events are instrumented.
#   benchmarks/instructions.sh [build folder] [N]
set -euo pipefail
build=${1:-build}
count=${2:-20}
probe="$build/benchmarks/window_probe"
[ -x "$probe" ] || { echo "build window_probe first: cmake --build $build --target window_probe" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Total instructions of one callgrind run.
instructions() {
  local file="$out/callgrind.out"
  valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$file" "$@" >/dev/null 2>&1
  awk '/^totals:/ { print $2 }' "$file"
}

printf '%-34s %14s\n' "event" "instructions"
for event in optics ephemeris page; do
  total=$(instructions "$probe" "$event" "$count")
  printf '%-34s %14d\n' "$event (per event, N=$count)" $((total / count))
done
if [ "${BRELO_AFTER_RUNS:-0}" -gt 0 ]; then
  total=$(instructions "$probe" optics "$count" "$BRELO_AFTER_RUNS")
  printf '%-34s %14d\n' "optics after $BRELO_AFTER_RUNS runs" $((total / count))
fi
total=$(instructions "$probe" startup)
printf '%-34s %14d\n' "start-up to first paint" "$total"
