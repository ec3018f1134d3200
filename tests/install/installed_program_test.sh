#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program
# there, far from the build tree, over a temporary program folder: it must
# find its shipped files under the prefix, copy them into the program folder,
# and reach its start form (whose start-up creates the agency's files) and
# stay up until it is stopped.
# Usage: installed_program_test.sh CMAKE BUILD_DIR SOURCE_DATA_DIR
set -euo pipefail
cmake=$1 build=$2 data=$3
program=gestione-affitti

tmp=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$tmp/prefix" > "$tmp/install.log" \
  || { cat "$tmp/install.log"; fail "cmake --install"; }
prefix=$tmp/prefix
[ -x "$prefix/bin/$program" ] || fail "no $prefix/bin/$program"
[ -f "$prefix/share/applications/$program.desktop" ] || fail "no desktop entry"
grep -qx "Exec=$program" "$prefix/share/applications/$program.desktop" || fail "desktop entry Exec"
[ -f "$prefix/share/icons/hicolor/128x128/apps/$program.png" ] || fail "no icon"
[ ! -e "$prefix/share/$program/README.md" ] || fail "README.md installed as a shipped file"

# The shipped files, installed as they are in the sources.
(cd "$data" && find . -type f ! -name README.md | sort) > "$tmp/source.list"
(cd "$prefix/share/$program" && find . -type f | sort) > "$tmp/installed.list"
diff -u "$tmp/source.list" "$tmp/installed.list" || fail "installed files differ from data/"

mkdir -p "$tmp/home" "$tmp/run"
cd "$tmp/run"
HOME=$tmp/home QT_QPA_PLATFORM=offscreen \
  "$prefix/bin/$program" --cartella-programma "$tmp/agenzia" > "$tmp/program.log" 2>&1 &
pid=$!

# The start form's start-up reads (so creates) the agency's settings and bank files.
for _ in $(seq 200); do
  [ -f "$tmp/agenzia/AGENZIA.IND" ] && [ -f "$tmp/agenzia/BANCHE.IND" ] && break
  kill -0 "$pid" 2>/dev/null || { cat "$tmp/program.log"; fail "the program ended at start"; }
  sleep 0.1
done
[ -f "$tmp/agenzia/BANCHE.IND" ] || { cat "$tmp/program.log"; fail "no start-up within 20 s"; }
sleep 1
kill -0 "$pid" 2>/dev/null || { cat "$tmp/program.log"; fail "the program ended after its start"; }

while read -r f; do
  cmp -s "$data/$f" "$tmp/agenzia/$f" || fail "program folder lacks shipped $f"
done < "$tmp/source.list"
[ ! -e "$tmp/home/.local/share/$program" ] || fail "the option was not followed"
echo "installed program started from $prefix"
