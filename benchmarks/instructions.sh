#!/usr/bin/env bash
# Instructions per window event, counted by callgrind (independent of the
# machine's load): each event is played N times in a process of its own, and
# only those N events are instrumented.
#   benchmarks/instructions.sh [build folder] [N]
# BRELO_AFTER_RUNS=K adds the optics event after K optics runs;
# BRELO_WARM_EVENTS=K adds each event after K of them were played uncounted.
set -euo pipefail
build=${1:-build}
count=${2:-20}
probe="$build/benchmarks/window_probe"
startup="$build/benchmarks/startup_probe"
[ -x "$probe" ] && [ -x "$startup" ] ||
  { echo "build the probes first: cmake --build $build --target window_probe startup_probe" >&2; exit 1; }
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
if [ "${BRELO_WARM_EVENTS:-0}" -gt 0 ]; then
  for event in optics ephemeris page; do
    total=$(instructions "$probe" "$event" "$count" 0 "$BRELO_WARM_EVENTS")
    printf '%-34s %14d\n' "$event after $BRELO_WARM_EVENTS events" $((total / count))
  done
fi
total=$(instructions "$startup")
printf '%-34s %14d\n' "start-up to first paint" "$total"
