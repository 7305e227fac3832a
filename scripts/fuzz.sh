#!/usr/bin/env bash
# Fuzzes each file reader for N seconds (default 60) with libFuzzer under AddressSanitizer
# and UndefinedBehaviorSanitizer: scripts/fuzz.sh [SECONDS] [TARGET...]
# Targets are tests/fuzz/<target>_fuzz.cpp; each starts from tests/data/fuzz/<target> in a
# working copy under build-fuzz/corpus, so the seeds in the repository stay as they are.
# A crash stops the script with its input under build-fuzz/crashes/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for f in tests/fuzz/*_fuzz.cpp; do
        t=$(basename "$f" .cpp)
        targets+=("${t%_fuzz}")
    done
fi

command -v clang++ >/dev/null || {
    echo "fuzz.sh: clang++ is needed (Debian package clang)" >&2
    exit 1
}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DCORVELLA_FUZZ=ON \
    -DCORVELLA_TESTS=OFF -DCORVELLA_GUI=OFF -DCORVELLA_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc 2>/dev/null || echo 2)" \
    --target $(printf '%s_fuzz ' "${targets[@]}")

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
printf '%-12s %12s %8s\n' target executions corpus
for t in "${targets[@]}"; do
    corpus=build-fuzz/corpus/$t
    crashes=build-fuzz/crashes/$t
    mkdir -p "$corpus" "$crashes"
    cp -n tests/data/fuzz/"$t"/* "$corpus"/ 2>/dev/null || true
    log=build-fuzz/$t.log
    if ! ./build-fuzz/"${t}_fuzz" "$corpus" -max_total_time="$seconds" -max_len=16384 \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$crashes/" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "fuzz.sh: $t failed; its input is in $crashes/" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    printf '%-12s %12s %8s\n' "$t" "${runs:-?}" "$(find "$corpus" -type f | wc -l)"
done
