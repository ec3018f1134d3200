#!/usr/bin/env bash
# Installs the Debian packages the program needs to build, run and test,
# only those that are missing (apt-get update runs once, when it must).
set -euo pipefail

PACKAGES=(build-essential cmake ninja-build libgtest-dev libgmock-dev qt6-base-dev
          xvfb xauth fonts-dejavu-core fonts-liberation2
          qt6-translations-l10n libfontconfig-dev)
# Google Benchmark, for the benchmark of scripts/bench.sh (built with the rest).
PACKAGES+=(libbenchmark-dev)
# The X client of the cold-start measure (xcb), and xdpyinfo, which tells when
# the benchmark's Xvfb answers.
PACKAGES+=(libxcb1-dev x11-utils)
# dbus-run-session, for the cold start as on a desktop, where a session bus runs.
PACKAGES+=(dbus-daemon)
# appstreamcli, for the test that checks the AppStream data.
PACKAGES+=(appstream)
# Python, for the test that no form's box is reached by strings
# (tools/count_box_reaches.py).
PACKAGES+=(python3)
# clang-format, for the test that the code is laid out as .clang-format says.
PACKAGES+=(clang-format)
# The print system's library, through which a page goes to the printer; the
# print service itself (its daemon and its commands), for the test that
# prints on a private queue of its own.
PACKAGES+=(libcups2-dev cups-daemon cups-client)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
