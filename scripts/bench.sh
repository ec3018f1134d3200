#!/usr/bin/env bash
# Sets up what is missing, builds the benchmarks and runs them:
# - the cold start, on an X display of its own (Xvfb): the program started
#   until its start window is mapped, beside an empty Qt window (the floor),
#   with the steps on the way, then the same inside a session bus, as on a
#   desktop;
# - each user action and every form's opening, on an archive at full
#   capacity and on one ten times as large, headless and with its windows,
#   in milliseconds (median, fastest and slowest run, then a summary table).
# Arguments go on to the actions' benchmark binary, for example
#   ./scripts/bench.sh --benchmark_filter=visu_ --volte=31
#   ./scripts/bench.sh --benchmark_format=json
# (with another format than the console's, the cold start's block goes to
# the standard error, leaving the standard output to the benchmark).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh >&2
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel --target bench_azioni avvio_a_freddo >&2

# --- the cold start, on a display no one else uses --------------------------
display=""
for n in $(seq 97 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
if [ -z "$display" ]; then echo "bench.sh: no free X display number" >&2; exit 1; fi
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 1 200); do
  if DISPLAY="$display" xdpyinfo >/dev/null 2>&1; then break; fi
  if ! kill -0 "$xvfb_pid" 2>/dev/null; then echo "bench.sh: Xvfb did not start on $display" >&2; exit 1; fi
  sleep 0.05
done
cold_out=1
for a in "$@"; do
  case "$a" in --benchmark_format=console) ;; --benchmark_format=*) cold_out=2 ;; esac
done
{
  echo
  DISPLAY="$display" ./build/bin/avvio_a_freddo
  # The same as on a desktop, where a session bus runs: Qt's accessibility
  # connects to it at the first text a window shows (without one it tries
  # to start one). Both programs start inside the same session.
  echo
  echo "With a session bus, as on a desktop:"
  DISPLAY="$display" dbus-run-session -- ./build/bin/avvio_a_freddo 2> >(grep -v '^dbus-daemon' >&2)
  echo
} >&"$cold_out"
kill "$xvfb_pid" 2>/dev/null || true
wait "$xvfb_pid" 2>/dev/null || true
trap - EXIT

# --- the user's actions at full capacity ----------------------------------------
exec ./build/bin/bench_azioni "$@"
