#!/usr/bin/env bash
# Fuzzes the program's entry points for bad input (every register's loader,
# the start-up, the booking form's load) with libFuzzer, each target for the
# given number of seconds, starting from the seed corpus in tests/fuzz/corpus.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]      (default: 60 s, every target)
#
# Builds into build-fuzz/ with clang, AddressSanitizer and UBSan. What a
# target finds is kept in build-fuzz/artifacts/<target>/ (copy a failing input
# into tests/fuzz/corpus/<target>/ once mended, so every test run replays it);
# the corpus a run grows stays in build-fuzz/corpus/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

SECONDS_EACH="${1:-60}"
shift || true
ALL=(vie proprietari appartamenti clienti fatture periodi prenotazioni note saldi spese
     banche agenzia contocorr avvio prenotazione
     riscrivi_vie riscrivi_proprietari riscrivi_appartamenti riscrivi_clienti riscrivi_fatture
     riscrivi_periodi riscrivi_prenotazioni riscrivi_note riscrivi_banche)
TARGETS=("$@")
((${#TARGETS[@]})) || TARGETS=("${ALL[@]}")

./scripts/setup.sh
missing=()
for p in clang libclang-rt-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DGA_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build build-fuzz --parallel --target "${TARGETS[@]/#/fuzz_}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=()
summary=()
for t in "${TARGETS[@]}"; do
  corpus="build-fuzz/corpus/$t"
  artifacts="build-fuzz/artifacts/$t"
  mkdir -p "$corpus" "$artifacts"
  log="build-fuzz/fuzz_$t.log"
  echo "== $t: ${SECONDS_EACH}s"
  if "build-fuzz/bin/fuzz_$t" "$corpus" "tests/fuzz/corpus/$t" \
       -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
       -artifact_prefix="$artifacts/" -print_final_stats=1 >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    summary+=("$t: ${SECONDS_EACH}s, $runs runs, nothing found")
  else
    failed+=("$t")
    summary+=("$t: FAILED, see $log and $artifacts/")
  fi
done
printf '%s\n' "${summary[@]}"
((${#failed[@]} == 0))
