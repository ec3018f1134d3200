#!/usr/bin/env bash
# Sets up what is missing, builds the benchmarks and runs them:
# - the cold start, on an X display of its own (Xvfb): the program started
#   until its start window is mapped, beside an empty Qt window (the floor),
#   with the steps on the way, then the same inside a session bus, as on a
#   desktop;
# - the program started as a process to its menu, on an archive at each
#   scale, with the memory it holds there;
# - each user action and every form's opening on archives whose every
#   register is 1, 10, 30 and 100 times the design figures, with its windows
#   (headless too at the first scale), in milliseconds (median, fastest and
#   slowest run), then a summary with each action's growth from one scale to
#   the next. It fails when an action grows faster than its records: above
#   3.6 from 10x to 30x, above 4 from 30x to 100x.
# Arguments go on to the actions' benchmark binary, for example
#   ./scripts/bench.sh --benchmark_filter=visu_ --volte=31
#   ./scripts/bench.sh --scale=1,10 --benchmark_format=json
# (with another format than the console's, the cold start's block and the
# summary go to the standard error, leaving the standard output to the
# benchmark).
#   ./scripts/bench.sh --confronta REV [--benchmark_filter=...] [--volte=N]
# builds commit REV's benchmark beside this one and runs each action of both
# in turn, the order swapped each round, printing the medians side by side
# and their ratio (this build's over REV's); REV's actions that this build
# does not have, and the other way round, are left out.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="${BENCH_JOBS:-3}"

confronta=""
args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --confronta) [ $# -ge 2 ] || { echo "bench.sh: --confronta wants a commit" >&2; exit 2; }
                 confronta="$2"; shift 2 ;;
    --confronta=*) confronta="${1#--confronta=}"; shift ;;
    *) args+=("$1"); shift ;;
  esac
done
set -- ${args[@]+"${args[@]}"}

./scripts/setup.sh >&2
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$jobs" --target bench_azioni avvio_a_freddo >&2

# --- another commit's build, side by side -------------------------------------
if [ -n "$confronta" ]; then
  rev="$(git rev-parse --verify "$confronta^{commit}")"
  dir="build/confronta/${rev:0:12}"
  # The commit's files alone, outside git's own worktrees.
  if [ ! -d "$dir/src" ]; then
    mkdir -p "$dir/src"
    git archive "$rev" | tar -x -C "$dir/src"
  fi
  cmake -S "$dir/src" -B "$dir/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$dir/build" --parallel "$jobs" --target bench_azioni >&2
  volte=15
  filtro="."
  for a in "$@"; do
    case "$a" in
      --volte=*) volte="${a#--volte=}" ;;
      --benchmark_filter=*) filtro="${a#--benchmark_filter=}" ;;
      *) echo "bench.sh: with --confronta, only --volte= and --benchmark_filter= are taken" >&2
         exit 2 ;;
    esac
  done
  export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
  # Each action of both, in turn: rounds of a few runs each, the order
  # swapped every round, so that both meet the same state of the machine.
  exec python3 - "$dir/build/bin/bench_azioni" ./build/bin/bench_azioni "$filtro" "$volte" \
    "${rev:0:12}" <<'EOF'
import json, re, statistics, subprocess, sys
altro, questo, filtro, volte, rev = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4]), sys.argv[5]
def elenco(b):
    out = subprocess.run([b, "--benchmark_list_tests", "--benchmark_filter=" + filtro],
                         capture_output=True, text=True, check=True).stdout
    return [r.strip() for r in out.splitlines() if r.strip()]
nuovi = elenco(questo)
comuni = [n for n in elenco(altro) if n in set(nuovi)]
if not comuni:
    sys.exit("bench.sh: no action of this build is also in " + rev)
giri, per_giro = 3, max(1, -(-volte // 3))
print(f"median ms over {giri * per_giro} runs each, in {giri} alternating rounds")
print(f"{'action':54} {rev:>12} {'this build':>12} {'ratio':>7}")
for nome in comuni:
    tempi = {altro: [], questo: []}
    for giro in range(giri):
        ordine = [altro, questo] if giro % 2 == 0 else [questo, altro]
        for b in ordine:
            r = subprocess.run([b, "--benchmark_filter=^" + re.escape(nome) + "$",
                                f"--volte={per_giro}", "--benchmark_format=json"],
                               capture_output=True, text=True)
            try:
                dati = json.loads(r.stdout)["benchmarks"][0]
            except (ValueError, KeyError, IndexError):
                sys.exit(f"bench.sh: {nome} gave no figure:\n{r.stderr}")
            if dati.get("error_occurred"):
                sys.exit(f"bench.sh: {nome}: {dati.get('error_message')}")
            tempi[b].append(dati["median_ms"])
    a, q = statistics.median(tempi[altro]), statistics.median(tempi[questo])
    print(f"{nome:54} {a:12.2f} {q:12.2f} {q / a:7.2f}", flush=True)
EOF
fi

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
scale="1,10,30,100"
for a in "$@"; do
  case "$a" in
    --benchmark_format=console) ;;
    --benchmark_format=*) cold_out=2 ;;
    --scale=*) scale="${a#--scale=}" ;;
  esac
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
  DISPLAY="$display" dbus-run-session -- ./build/bin/avvio_a_freddo --al-menu "$scale" --volte 5 \
    2> >(grep -v '^dbus-daemon' >&2)
  echo
} >&"$cold_out"
kill "$xvfb_pid" 2>/dev/null || true
wait "$xvfb_pid" 2>/dev/null || true
trap - EXIT

# --- the user's actions at each scale ---------------------------------------------
exec ./build/bin/bench_azioni "$@"
