#!/usr/bin/env bash
# Screenshots of the Windows program under Wine: Tolvane.exe of a cross build, with the simulated
# driver library (Ftd2xx.dll) beside it, on a Wine virtual desktop on Xvfb, driven with xdotool
# and captured with ImageMagick. Writes docs/screenshots/windows-*.png.
#
# Usage: tools/windows-screenshots.sh [BUILD_DIR]   (default build/windows, built with the GUI)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build/windows}")
out=$root/docs/screenshots
bin=$build/bin
prefix=$build/wineprefix
for needed in "$bin/Tolvane.exe" "$bin/Ftd2xx.dll" "$build/locale/ja_JP.UTF-8"; do
  [[ -e "$needed" ]] || { echo "missing $needed: build the windows preset first" >&2; exit 2; }
done
"$root/tools/wine-run.sh" "$prefix" # makes the prefix (with its Japanese font) if needed

if [[ -z "${TOLVANE_SHOT_DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 800x600x24" env TOLVANE_SHOT_DISPLAY=1 "$0" "$build"
fi

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LOCPATH=$build/locale
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)

# Waits for a window with that exact title and prints its id.
window() {
  for _ in $(seq 300); do
    if id=$(xdotool search --name "^$1\$" 2>/dev/null | tail -1) && [[ -n "$id" ]]; then
      echo "$id"
      return
    fi
    sleep 0.1
  done
  echo "no window \"$1\"" >&2
  return 1
}

# The desktop's top-left corner holds the dialog; captures that part of it.
shot() {
  sleep 1
  import -window root -crop "$2" +repage "$out/windows-$1.png"
}

# Starts the program in language $1 (locale $2) on a fresh desktop.
start() {
  LANG=$2.UTF-8 LC_ALL=$2.UTF-8 LANGUAGE=$1 \
    "$wine" explorer /desktop=shot,640x480 "$bin/Tolvane.exe" >/dev/null 2>&1 &
  window Tolvane >/dev/null
  sleep 1
}

stop() {
  wineserver -k || true
  sleep 1
}

# Main dialog after a Read, in each language (Alt+R would need an access key; click Read).
for lang in de:de_DE en:en_US ja:ja_JP; do
  start "${lang%%:*}" "${lang##*:}"
  xdotool mousemove 260 72 click 1
  shot "main-${lang%%:*}" 360x230+0+0
  stop
done

# A write that succeeded (Japanese), then the system menu and the About box from it.
start ja ja_JP
xdotool mousemove 260 72 click 1
sleep 1
xdotool mousemove 260 152 click 1
window Tolvane >/dev/null
shot write-succeeded-ja 480x300+0+0
xdotool key Return
sleep 1
xdotool key alt+space # the system menu, with the About item appended last
shot system-menu-ja 480x300+0+0
# Wine's own "About Wine" item shares the access key A, so choose the last item instead.
xdotool key Up Return
window "Morrick Tolvane" >/dev/null
shot about 480x300+0+0
stop
echo "written: $out/windows-*.png"
