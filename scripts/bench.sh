#!/usr/bin/env bash
# Sets up what is missing, builds the benchmark and runs it: each user action
# on an archive at full capacity, headless and with its windows, in
# milliseconds. Arguments go on to the benchmark binary, for example
#   ./scripts/bench.sh --benchmark_filter=vista --benchmark_repetitions=9
#   ./scripts/bench.sh --benchmark_format=json
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh >&2
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel --target bench_azioni >&2
exec ./build/bin/bench_azioni "$@"
