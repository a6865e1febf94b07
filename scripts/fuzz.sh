#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each one
# on its seed corpus, one after the other.
#   scripts/fuzz.sh            a short run: a fixed number of inputs per target
#   scripts/fuzz.sh RUNS       RUNS inputs per target (1000000 for the long run)
# New inputs found along the way go to build-fuzz/corpus/<target>; a failing
# input is kept as build-fuzz/findings/<target>-crash-* and stops the run.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-3000}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANTIX_FUZZ=ON \
    -DQUORVANTIX_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target fuzz_targets

mkdir -p build-fuzz/findings
for name in catalogue listfile numbers dms controlfile requests; do
    corpus=build-fuzz/corpus/$name
    mkdir -p "$corpus"
    log=build-fuzz/findings/$name.log
    if ! build-fuzz/tests/fuzz/fuzz_$name -runs="$runs" -seed=1 -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/$name-" "$corpus" "tests/fuzz/corpus/$name" >"$log" 2>&1; then
        tail -40 "$log" >&2
        echo "fuzz_$name failed; the input is in build-fuzz/findings/" >&2
        exit 1
    fi
    executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    seconds=$(sed -n 's/.*Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")
    echo "fuzz_$name: $executed inputs in ${seconds:-?} s, no finding"
done
