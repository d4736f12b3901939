#!/usr/bin/env bash
# Builds both start-up programs in Release and compares them:
#   bash bench/run_startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTQR_BUILD_TESTS=OFF -DTQR_BUILD_BENCH=ON >/dev/null
cmake --build build-bench --target startup_bench floor_bench
python3 bench/run_startup.py build-bench "${1:-21}"
