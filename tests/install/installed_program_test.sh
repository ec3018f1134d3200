#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree as
# a distribution wants it (licence and copyright, changelog, manual page,
# AppStream data, icons, desktop entry); then the installed program's
# command line without a screen (--help, --version, a wrong option, no
# display); then starts it there, far from the build tree, over a temporary
# program folder: it must find its shipped files under the prefix, copy them
# into the program folder, and reach its start form (whose start-up creates
# the agency's files) and stay up until it is stopped.
# Usage: installed_program_test.sh CMAKE BUILD_DIR SOURCE_DATA_DIR VERSION
set -euo pipefail
cmake=$1 build=$2 data=$3 version=$4
program=gestione-affitti
licence=$(dirname "$data")/LICENSE

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
[ ! -e "$prefix/share/$program/README.md" ] || fail "README.md installed as a shipped file"

# --- the installed tree -----------------------------------------------------------
share=$prefix/share
for icon in 48x48/apps/$program.png 128x128/apps/$program.png 256x256/apps/$program.png \
            scalable/apps/$program.svg; do
  [ -s "$share/icons/hicolor/$icon" ] || fail "no icon $icon"
done
grep -q "^Keywords=" "$share/applications/$program.desktop" || fail "desktop entry: no Keywords"
grep -q "^Keywords\[it\]=" "$share/applications/$program.desktop" || fail "desktop entry: no Italian Keywords"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$share/applications/$program.desktop" || fail "desktop entry not valid"
fi

# The copyright file: machine-readable, with LICENSE's copyright lines.
doc=$share/doc/$program
head -1 "$doc/copyright" | grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
  || fail "copyright file not machine-readable"
grep -qx "License: GPL-3+" "$doc/copyright" || fail "copyright file: no GPL-3+ licence"
grep "^Copyright (C) " "$licence" | sed 's/^Copyright (C) //' | while read -r holder; do
  grep -qF "$holder" "$doc/copyright" || fail "copyright file lacks \"$holder\""
done
# The changelog and the manual page, compressed, the changelog's entry the version's.
gzip -t "$doc/changelog.gz" || fail "changelog.gz"
zcat "$doc/changelog.gz" | head -1 | grep -q "^$program ($version) " || fail "changelog: no $version entry"
gzip -t "$share/man/man1/$program.1.gz" || fail "manual page"
zcat "$share/man/man1/$program.1.gz" | grep -q "^\.TH GESTIONE-AFFITTI 1 .*$version" \
  || fail "manual page: no section 1 page of $version"
metainfo=$(find "$share/metainfo" -name "*.metainfo.xml")
[ "$(echo "$metainfo" | wc -l)" -eq 1 ] && [ -s "$metainfo" ] || fail "no AppStream data"
grep -q "<launchable type=\"desktop-id\">$program.desktop</launchable>" "$metainfo" \
  || fail "AppStream data do not name the desktop entry"
grep -q "<release version=\"$version\"" "$metainfo" || fail "AppStream data: no release $version"

# --- the command line, without a screen ------------------------------------------
# Run as from a terminal with no display: no window may open, none is needed.
headless() { timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$tmp/home" "$@"; }
mkdir -p "$tmp/home"
run() {   # run EXPECTED_STATUS ARGS...: the status, output in $tmp/out and $tmp/err
  local expected=$1 status=0
  shift
  headless "$prefix/bin/$program" "$@" > "$tmp/out" 2> "$tmp/err" || status=$?
  [ "$status" -eq "$expected" ] || { cat "$tmp/out" "$tmp/err"; fail "$* exits $status, not $expected"; }
}
run 0 --help
grep -q -- "--cartella-programma" "$tmp/out" || fail "--help does not name --cartella-programma"
grep -q "GESTIONE_AFFITTI_CARTELLA_PROGRAMMA" "$tmp/out" || fail "--help does not name the variable"
run 0 --version
[ "$(cat "$tmp/out")" = "$program $version" ] || fail "--version printed \"$(cat "$tmp/out")\""
for wrong in --non-esiste -x; do
  status=0
  headless "$prefix/bin/$program" "$wrong" > "$tmp/out" 2> "$tmp/err" || status=$?
  [ "$status" -ne 0 ] && [ ! -s "$tmp/out" ] || fail "$wrong exits $status"
  grep -q -- "$wrong" "$tmp/err" || fail "$wrong is not told on stderr"
done
# No display, or one that does not answer: one Italian line and exit code 1.
run 1
[ "$(wc -l < "$tmp/err")" -eq 1 ] && grep -q "schermo" "$tmp/err" || { cat "$tmp/err"; fail "no display"; }
status=0
timeout 20 env -u WAYLAND_DISPLAY DISPLAY=:64999 QT_QPA_PLATFORM=xcb HOME="$tmp/home" \
  "$prefix/bin/$program" > "$tmp/out" 2> "$tmp/err" || status=$?
[ "$status" -eq 1 ] && [ "$(wc -l < "$tmp/err")" -eq 1 ] && grep -q "finestre" "$tmp/err" \
  || { cat "$tmp/err"; fail "a display that does not answer: exit $status"; }
[ -z "$(ls -A "$tmp/home")" ] || fail "the command line alone wrote into the home folder"

# The shipped files, installed as they are in the sources.
(cd "$data" && find . -type f ! -name README.md | sort) > "$tmp/source.list"
(cd "$prefix/share/$program" && find . -type f | sort) > "$tmp/installed.list"
diff -u "$tmp/source.list" "$tmp/installed.list" || fail "installed files differ from data/"

mkdir -p "$tmp/run"
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
