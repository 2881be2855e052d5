#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each for a bounded
# number of executions, printing executions and findings.
#   scripts/fuzz.sh [RUNS] [TARGET...]     RUNS defaults to 2000000
# The palette reader runs five times RUNS. The readers of files take inputs
# up to 64 KB, the file-name listing 1 KB, the others 4 KB. Crashes land in build-fuzz/findings/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-2000000}
shift || true
"$top/scripts/install-deps.sh" fuzz
cmake -S "$top" -B "$top/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DTINTWELL_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build-fuzz" -j"$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for t in "$top"/build-fuzz/fuzz/fuzz_*; do [ -f "$t" ] && [ -x "$t" ] && targets+=("$(basename "$t")"); done
fi
mkdir -p "$top/build-fuzz/findings"
# The targets that read from disk write each input to a temporary file: on
# a memory file system a busy disk cannot stall them into a false timeout.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
status=0
for t in "${targets[@]}"; do
    name=${t#fuzz_}
    seeds="$top/fuzz/corpus/${name%_*}"
    [ -d "$seeds" ] || seeds="$top/fuzz/corpus/$name"
    work="$top/build-fuzz/corpus-$name"
    mkdir -p "$work"
    n=$runs
    [ "$name" = palette_reader ] && n=$((runs * 5))
    case $name in
        palette_reader | library_reader | settings_store | start_settings) max_len=65536 ;;
        file_names) max_len=1024 ;;
        *) max_len=4096 ;;
    esac
    log="$top/build-fuzz/$t.log"
    # A hang shows at any limit; a short one only adds false alarms when
    # the fuzzer runs at low priority on a busy machine.
    echo "== $t: $n executions"
    if "$top/build-fuzz/fuzz/$t" -runs="$n" -max_len="$max_len" -timeout=60 -rss_limit_mb=2048 \
        -artifact_prefix="$top/build-fuzz/findings/$t-" "$work" "$seeds" >"$log" 2>&1; then
        findings=0
    else
        findings=1
        status=1
    fi
    execs=$(grep -Eo 'Done [0-9]+ runs' "$log" | tail -n1 | grep -Eo '[0-9]+' || echo "?")
    echo "   executions: $execs  findings: $findings  (log: $log)"
done
exit $status
