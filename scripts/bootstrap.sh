#!/usr/bin/env bash
# Installs what the build, the tests and the demo need on a Debian machine (as root).
# Safe to run again: it installs only what is missing.
set -euo pipefail

PACKAGES=(cmake make g++ googletest libgtest-dev g++-mingw-w64-x86-64 g++-mingw-w64-i686
  binutils-mingw-w64 wine wine64 xvfb xauth x11-utils imagemagick fonts-ipafont-gothic
  locales python3 xorriso)
# The fuzz preset's compiler and the sanitizer and libFuzzer runtime it links: one version.
PACKAGES+=(clang-14 libclang-rt-14-dev)

# One query for all: with nothing missing, no apt runs and this script takes well under a
# second, so test.sh and demo.sh can call it every time.
installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${PACKAGES[@]}" 2>/dev/null || true)
missing=()
for p in "${PACKAGES[@]}"; do
  grep -qx "$p install ok installed" <<<"$installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "bootstrap: installing ${missing[*]}"
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi

# Wine takes its ANSI code page from the locale: ja_JP.UTF-8 gives 932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
fi
