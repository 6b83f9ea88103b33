#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Zelta contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the fuzz targets with clang in build-fuzz and runs each for the given number of
# seconds (default 60), two at a time, from a copy of its seed corpus. New findings are
# left in build-fuzz/crashes; a finding fails the script.
#   tests/fuzz/run.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
targets=(numbers)
cmake -S . -B build-fuzz -DZELTA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2 --target "${targets[@]/#/fuzz_}"
mkdir -p build-fuzz/crashes
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitize.supp:print_suppressions=0
run() {
    local t=$1 work=build-fuzz/corpus/$1
    rm -rf "$work" && mkdir -p "$work" && cp tests/fuzz/corpus/"$t"/* "$work"/
    if build-fuzz/tests/fuzz/fuzz_"$t" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -artifact_prefix=build-fuzz/crashes/"$t"- "$work" >build-fuzz/"$t".log 2>&1; then
        echo "fuzz $t: $(grep -m1 -o 'Done [0-9]* runs' build-fuzz/"$t".log || echo ok) in ${seconds} s"
    else
        echo "fuzz $t: FAILED, see build-fuzz/$t.log"; tail -40 build-fuzz/"$t".log; return 1
    fi
}
status=0
for ((i = 0; i < ${#targets[@]}; i += 2)); do
    pids=()
    for t in "${targets[@]:i:2}"; do
        run "$t" & pids+=($!)
    done
    for pid in "${pids[@]}"; do wait "$pid" || status=1; done
done
exit $status
