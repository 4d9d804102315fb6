#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang and runs each one in turn from its seed corpus.
# FUZZ_SECONDS (default 30) is the time per harness; extra arguments go to every fuzzer.
# New inputs go to run/fuzz/<name>/corpus; the seeds in fuzz/corpus/<name> stay as committed.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build-fuzz}"
SECONDS_EACH="${FUZZ_SECONDS:-30}"

# CXX picks the compiler of a new build folder only, so an existing one is never rebuilt for it.
CXX=clang++ cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSHIPKIT_FUZZ=ON -DSHIPKIT_BENCH=OFF ${CMAKE_EXTRA:-} >/dev/null
cmake --build "$BUILD_DIR" --target shipkit_fuzzers -j"$(nproc)"

# fuzz/CMakeLists.txt names the harnesses; every one it built runs.
for fuzzer in "$BUILD_DIR"/fuzz/fuzz_*; do
    [ -x "$fuzzer" ] && [ -f "$fuzzer" ] || continue
    name="${fuzzer##*/fuzz_}"
    echo "== fuzz_$name for ${SECONDS_EACH}s"
    work="$ROOT/run/fuzz/$name"
    mkdir -p "$work/corpus"
    if ! "$fuzzer" -max_total_time="$SECONDS_EACH" -print_final_stats=1 \
        -artifact_prefix="$work/" "$@" "$work/corpus" "$ROOT/fuzz/corpus/$name" >"$work/log" 2>&1; then
        tail -n 60 "$work/log" >&2
        echo "fuzz_$name failed; the input that broke it is in $work" >&2
        exit 1
    fi
    grep -E "^(Done|stat::number_of_executed_units|stat::average_exec_per_sec)" "$work/log"
done
