#!/usr/bin/env bash
# Zoom window benchmark under Xvfb: the magnifier tick (bench_magnifier),
# then the real program's CPU use with the zoom window open, while the
# pointer moves over a picture for 10 s and while it rests for 5 s.
#   scripts/bench-zoom.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build
for f in program/tintwell bench/bench_magnifier tests/tintwell_xtool; do
    [ -x "$build/$f" ] || { echo "bench-zoom: build first ($build/$f missing)" >&2; exit 1; }
done

"$top/tests/support/with-xvfb.sh" "$build/bench/bench_magnifier" --benchmark_repetitions=3 \
    --benchmark_report_aggregates_only=true

"$top/tests/support/with-xvfb.sh" bash -s "$build" <<'INNER'
set -euo pipefail
build=$1
work=$TINTWELL_TEST_WORK
cp -a "$build/program" "$work/program"
(cd / && exec "$work/program/tintwell" >"$work/program.log" 2>&1) &
pid=$!
trap 'kill $pid $shown 2>/dev/null || true' EXIT
shown=""
main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tintwell V1.0$' | head -n1)
eval "$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print "mx=" $NF} /Absolute upper-left Y/ {print "my=" $NF}')"
xdotool mousemove $((mx + 409)) $((my + 115)) click 1
sleep 0.3
xdotool mousemove $((mx + 179)) $((my + 251)) click 1
timeout 10 xdotool search --sync --onlyvisible --name 'Zoom Window' >/dev/null

# Something to magnify: a picture with detail, left of the zoom window.
convert -size 400x400 plasma:fractal -seed 7 "$work/picture.png" 2>/dev/null ||
    convert -size 400x400 gradient:red-blue "$work/picture.png"
display -geometry +0+0 "$work/picture.png" >/dev/null 2>&1 &
shown=$!
sleep 1

cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)

# 500 moves 20 ms apart in one xdotool run: a pointer sweeping the picture.
moves=()
for i in $(seq 0 499); do
    x=$((20 + (i * 7) % 360)) y=$((20 + (i * 13) % 360))
    moves+=(mousemove "$x" "$y" sleep 0.02)
done
xdotool mousemove 200 200
sleep 0.5
before=$(cpu_ticks); start=$(date +%s.%N)
xdotool "${moves[@]}"
after=$(cpu_ticks); end=$(date +%s.%N)
awk -v t="$((after - before))" -v hz="$hz" -v s="$start" -v e="$end" \
    'BEGIN { printf "zoom window, pointer moving:  %.1f %% of one core over %.1f s (%.2f s of CPU per 5 s)\n", 100 * t / hz / (e - s), e - s, 5 * t / hz / (e - s) }'

xdotool mousemove 200 200
sleep 0.5
before=$(cpu_ticks); start=$(date +%s.%N)
sleep 5
after=$(cpu_ticks); end=$(date +%s.%N)
awk -v t="$((after - before))" -v hz="$hz" -v s="$start" -v e="$end" \
    'BEGIN { printf "zoom window, pointer resting: %.1f %% of one core over %.1f s (%.2f s of CPU per 5 s)\n", 100 * t / hz / (e - s), e - s, 5 * t / hz / (e - s) }'
INNER
