#!/usr/bin/env bash
# Configures and builds into build/ (the shipped files go to build/share/).
# GA_WERROR=ON in the environment builds with warnings as errors (as CI does).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGA_WERROR="${GA_WERROR:-OFF}"
cmake --build build --parallel
