#!/usr/bin/env bash
# Builds the program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-check/ and runs the whole suite there
# (the window tests on a virtual X display). Any memory error, leak or
# undefined behaviour fails the test that met it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-check -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGA_SANITIZE=ON \
  "${launcher[@]}" >/dev/null
cmake --build build-check --parallel
# The system D-Bus library keeps memory it allocates when Qt connects at
# start-up; it is no leak of ours (scripts/lsan.supp).
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
xvfb-run -a -s "-screen 0 1600x1000x24" \
  ctest --test-dir build-check --output-on-failure --parallel "$(nproc)"
