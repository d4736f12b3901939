#!/usr/bin/env bash
# Builds the fuzz targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for a fixed time on a copy of its seed corpus:
#   bash fuzz/run.sh [seconds per target]
# Prints executions and findings per target; exits non-zero on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
    -DTQR_FUZZ=ON -DTQR_BUILD_TESTS=OFF -DTQR_WERROR=ON >/dev/null
cmake --build build-fuzz --target store_file_fuzzer control_text_fuzzer json_description_fuzzer provider_database_fuzzer
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work"
export ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1
status=0
for target in store_file_fuzzer control_text_fuzzer json_description_fuzzer provider_database_fuzzer; do
    corpus=$work/$target
    mkdir -p "$corpus" "$work/findings"
    cp fuzz/corpus/"${target%_fuzzer}"/* "$corpus"/
    log=$work/$target.log
    if build-fuzz/fuzz/$target "$corpus" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/findings/$target-" >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
    fi
    execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
    rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
    findings=$(find "$work/findings" -name "$target-*" | wc -l)
    echo "$target: $result, ${seconds}s, $execs executions ($rate/s), $findings findings"
    if [ "$result" != ok ]; then
        grep -E 'ERROR|SUMMARY|#[0-9]+ ' "$log" | head -40
        mkdir -p fuzz/findings && cp "$work"/findings/"$target"-* fuzz/findings/ 2>/dev/null || true
    fi
done
exit $status
