#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test without a screen
# (the window tests draw on a virtual X display).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
xvfb-run -a -s "-screen 0 1600x1000x24" \
  ctest --test-dir build --output-on-failure --parallel "$(nproc)"
