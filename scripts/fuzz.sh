#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs each in turn from its seed corpus, then prints the executions run per fuzzer.
#   scripts/fuzz.sh                    every fuzzer for 20 seconds (what CI runs)
#   scripts/fuzz.sh 3600               every fuzzer for an hour
#   scripts/fuzz.sh 20 dxf wildcard    only the fuzzers named
#   scripts/fuzz.sh 1000000runs        every fuzzer for a million executions
# A crash or a broken property stops that fuzzer, leaves the input in build/fuzz/artifacts and
# makes the script end non-zero once all have run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

limit=${1:-20}
shift || true
if [[ $limit =~ ^([0-9]+)runs$ ]]; then
    budget=(-runs="${BASH_REMATCH[1]}")
elif [[ $limit =~ ^[0-9]+$ ]]; then
    budget=(-max_total_time="$limit")
else
    echo "usage: $0 [SECONDS | Nruns] [fuzzer...]" >&2
    exit 2
fi

build=build/fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-O1 -fsanitize=fuzzer-no-link" -DTAVOR_SANITIZE=ON -DTAVOR_WERROR=ON \
    -DTAVOR_FUZZ=ON -DTAVOR_GUI=OFF -DTAVOR_TESTS=OFF "${launcher[@]}" >/dev/null

if [ $# -gt 0 ]; then
    names=("$@")
else
    names=()
    for dir in fuzz/corpus/*/; do
        names+=("$(basename "$dir")")
    done
fi
cmake --build "$build" -j "${FUZZ_BUILD_JOBS:-$(nproc)}" --target "${names[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
total=0
failed=()
printf '%-16s %14s  %s\n' fuzzer executions result
for name in "${names[@]}"; do
    work="$build/corpus/$name" artifacts="$build/artifacts/$name/" log="$build/$name.log"
    mkdir -p "$work" "$artifacts"
    result=ok
    "$build/fuzz/fuzz_$name" "${budget[@]}" -print_final_stats=1 -artifact_prefix="$artifacts" \
        "$work" "fuzz/corpus/$name" >"$log" 2>&1 || result="FAILED (see $log)"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    runs=${runs:-0}
    total=$((total + runs))
    [ "$result" = ok ] || failed+=("$name")
    printf '%-16s %14s  %s\n' "$name" "$runs" "$result"
done
printf '%-16s %14s\n' total "$total"
[ ${#failed[@]} -eq 0 ]
