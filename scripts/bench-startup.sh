#!/usr/bin/env bash
# Start-up benchmark: launches Tintwell and a minimal Qt window program in
# turns under Xvfb, each with a fresh configuration folder (so Tintwell does
# its first run every time), and prints the median time until the window is
# mapped, the resident memory 2 s later and the CPU used while idle. A third
# program, the minimal window with one label, shows what any window with
# text pays for setting up fonts. When scripts/fetch-test-files.sh has
# fetched GIMP's and Inkscape's palettes, each Tintwell run finds them in its
# configuration folder, so listing them as libraries is part of the start.
# The programs run on a session bus of their own, as on any desktop: without
# one, every program that sets up accessibility (any window with text) makes
# the D-Bus library try to start a bus, which no desktop user waits for.
# TINTWELL_BENCH_NO_BUS=1 measures without it.
#   scripts/bench-startup.sh [RUNS]   (default 11)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-11}
build=$top/build
for f in program/tintwell bench/minimal_window bench/startup_probe; do
    [ -x "$build/$f" ] || { echo "bench-startup: build first ($build/$f missing)" >&2; exit 1; }
done

bus=()
if [ -z "${TINTWELL_BENCH_NO_BUS:-}" ] && command -v dbus-run-session >/dev/null; then
    bus=(dbus-run-session --)
fi
echo "session bus: $([ ${#bus[@]} -gt 0 ] && echo "a private one (dbus-run-session)" || echo none)"

# The bus daemon's note that it may not raise its file limit is no finding.
"$top/tests/support/with-xvfb.sh" "${bus[@]}" bash -s "$build" "$runs" 2> >(grep -v 'Failed to set fd limit' >&2) <<'INNER'
set -euo pipefail
build=$1 runs=$2
prog="$TINTWELL_TEST_WORK/program"
cp -a "$build/program" "$prog"
palettes="$build/ext/palettes/usr/share"
probe() { # name command...
    local name=$1; shift
    local run=$((RANDOM))
    rm -rf "$prog/MyPalettes" "$prog/ExportPalette"
    if [ -d "$palettes" ]; then
        mkdir -p "$TINTWELL_TEST_WORK/cfg-$run/GIMP/2.10" "$TINTWELL_TEST_WORK/cfg-$run/inkscape"
        cp -r "$palettes/gimp/2.0/palettes" "$TINTWELL_TEST_WORK/cfg-$run/GIMP/2.10/"
        cp -r "$palettes/inkscape/palettes" "$TINTWELL_TEST_WORK/cfg-$run/inkscape/"
    fi
    XDG_CONFIG_HOME="$TINTWELL_TEST_WORK/cfg-$run" XDG_DATA_HOME="$TINTWELL_TEST_WORK/data-$run" \
        "$build/bench/startup_probe" 2 3 "$@" | sed "s/^/$name /"
}
# A warm-up of each, so both are measured from the page cache.
probe warmup "$prog/tintwell" >/dev/null
probe warmup "$build/bench/minimal_window" >/dev/null
for _ in $(seq 1 "$runs"); do
    probe tintwell "$prog/tintwell"
    probe minimal "$build/bench/minimal_window"
    probe min+label "$build/bench/minimal_window" --label
done > "$TINTWELL_TEST_WORK/results"
awk '
    { split($2, a, "="); split($3, b, "="); split($4, c, "=");
      n[$1]++; map[$1, n[$1]] = a[2]; rss[$1, n[$1]] = b[2]; cpu[$1, n[$1]] = c[2] }
    function median(arr, name, count,    i, j, t, v) {
        for (i = 1; i <= count; i++) v[i] = arr[name, i]
        for (i = 1; i <= count; i++) for (j = i + 1; j <= count; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
        return (count % 2) ? v[(count + 1) / 2] : (v[count / 2] + v[count / 2 + 1]) / 2
    }
    END {
        for (name in n) {
            printf "%-9s runs=%d  median map %.1f ms  median RSS %.1f MB  median idle CPU %.0f ms over 3 s\n",
                   name, n[name], median(map, name, n[name]), median(rss, name, n[name]) / 1024, median(cpu, name, n[name])
            m[name] = median(map, name, n[name])
        }
        if (m["minimal"] > 0) printf "ratio tintwell/minimal: %.2f (goal <= 1.2)\n", m["tintwell"] / m["minimal"]
        if (m["min+label"] > 0) printf "ratio tintwell/minimal with one label: %.2f\n", m["tintwell"] / m["min+label"]
    }' "$TINTWELL_TEST_WORK/results"
INNER
