#!/usr/bin/env bash
# Runs a Windows program under Wine (64-bit) in the given Wine prefix, and passes on its exit
# status; without a program it only makes the prefix. The prefix is made on first use, unattended:
# no display is needed, no Mono or Gecko download is offered, and Wine's diagnostics are off. Its
# "MS UI Gothic", the font of Japanese message boxes, is drawn with Noto Sans CJK JP. The build uses
# this as the emulator that runs its Windows test programs; WINEPATH, LOCPATH, the locale variables
# and the working directory are taken from the caller.
#
# Usage: wine-run.sh PREFIX [PROGRAM.exe [ARGUMENT...]]
set -euo pipefail

if (($# < 1)); then
  echo "usage: $(basename "$0") PREFIX [PROGRAM.exe [ARGUMENT...]]" >&2
  exit 2
fi
prefix=$(realpath -m "$1")
shift

wine=$(command -v wine64 || true)
if [[ -z "$wine" && -x /usr/lib/wine/wine64 ]]; then
  wine=/usr/lib/wine/wine64 # Debian's wine64 package keeps the loader off PATH
fi
if [[ -z "$wine" ]]; then
  echo "$(basename "$0"): wine64 not found; install the Debian packages wine and wine64" >&2
  exit 2
fi

export WINEPREFIX="$prefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINELOADER="$wine"

# Several tests may start at once; the first makes the prefix while the others wait for it.
ready="$prefix/.initialised"
if [[ ! -e "$ready" ]]; then
  mkdir -p "$(dirname "$prefix")"
  exec {lock}>"$prefix.lock"
  flock "$lock"
  if [[ ! -e "$ready" ]]; then
    rm -rf "$prefix" # left half made by an interrupted run
    "$wine" wineboot --init >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /t REG_SZ \
      /d 'Noto Sans CJK JP' /f >/dev/null 2>&1
    wineserver --wait
    touch "$ready"
  fi
  exec {lock}>&-
fi
if (($# == 0)); then
  exit 0
fi

# Windows programs end their lines with CR LF; CTest and GoogleTest's test discovery expect LF.
"$wine" "$@" | sed 's/\r$//'
