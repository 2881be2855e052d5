#!/usr/bin/env bash
# Builds Tintwell with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs the whole test suite there, leak checking on.
# Leaks inside system libraries are suppressed (tests/sanitizers/lsan.supp).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DTINTWELL_SANITIZE=ON \
    -DTINTWELL_BENCHMARKS=OFF >/dev/null
cmake --build "$top/build-asan" -j"$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$top/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$top/build-asan" --output-on-failure "$@"
