#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the program from the build tree.
# The agency's files live in the per-user program folder
# (~/.local/share/gestione-affitti/), not in build/, so a rebuild or a fresh
# clone keeps them. Arguments go to the program (--cartella-programma DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
exec ./build/bin/gestione-affitti "$@"
