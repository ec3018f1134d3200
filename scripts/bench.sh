#!/usr/bin/env bash
# Sets up what is missing, builds the benchmark and runs it: each user action
# and every form's opening, on an archive at full capacity and on one ten
# times as large, headless and with its windows, in milliseconds (median,
# fastest and slowest run, then a summary table). Arguments go on to the
# benchmark binary, for example
#   ./scripts/bench.sh --benchmark_filter=visu_ --volte=31
#   ./scripts/bench.sh --benchmark_format=json
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh >&2
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel --target bench_azioni >&2
exec ./build/bin/bench_azioni "$@"
