#!/usr/bin/env bash
# Takes the README's Linux screenshots from the real program under Xvfb, against the simulated
# interface unit: the main dialog after a Read in German, English and Japanese, the system menu,
# the About box, a successful write and the start-up without a driver library.
#
#   tools/screenshots.sh [build-dir]      (default: build/default, built with the default preset)
#
# Needs the packages of `tools/install-deps.sh --screenshots`.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/default}
out=docs/screenshots
program=$build/app/Tolvane
simulator=$build/simulator/lib
mkdir -p "$out"

display=:97
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1
# A window manager, so that the windows have their title bars.
if command -v openbox >/dev/null; then
  openbox &
  sleep 1
fi

# Waits for a window with exactly this title, other than the ones named after it, and prints its id.
window() {
  local title=$1 id
  shift
  for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
      if [[ " $* " != *" $id "* ]]; then
        echo "$id"
        return
      fi
    done
    sleep 0.1
  done
  echo "no window titled '$title'" >&2
  exit 1
}

# Captures a window with its frame (the window manager's parent of the client window) from the
# screen, so that popups over it (the system menu) are in the picture.
shoot() {
  local frame geometry
  frame=$(xwininfo -children -id "$1" | awk '/Parent window id/ {print $4}')
  [[ $frame == 0x0 || -z $frame ]] && frame=$1
  sleep 0.3
  geometry=$(xwininfo -id "$frame" | awk '
    /Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Width:/ {w = $2} /Height:/ {h = $2}
    END {printf "%dx%d+%d+%d", w, h, x, y}')
  import -window root -crop "$geometry" +repage "$out/$2.png"
  echo "$out/$2.png"
}

# Types keys as the user would, into whichever window has the focus; $1 names that window for
# the reader of this script.
key() { xdotool key "${@:2}"; sleep 0.3; }

# Opens the dialog's system menu with a right-click on its background, left of the labels.
system_menu() { xdotool mousemove --window "$main" 10 10 click 3; sleep 0.3; }

# Starts the program in a language; its process id ends up in $app and its first window (titled
# $4, or any window of the program when that is empty) in $main.
start() {
  LANGUAGE=$1 LANG=$2 LD_LIBRARY_PATH=$3 "$program" &
  app=$!
  if [[ -n $4 ]]; then
    main=$(window "$4")
  else
    main=$(xdotool search --sync --onlyvisible --pid "$app" | tail -n 1)
  fi
  xdotool windowactivate --sync "$main" 2>/dev/null || true
}

# Reads the decoder: the focus starts on SX1; Read is the fourth control in the tab order.
read_decoder() { key "$main" Tab Tab Tab space; }

for lang in de:de_DE en:en_US ja:ja_JP; do
  code=${lang%%:*}
  start "$code" "${lang#*:}.UTF-8" "$simulator" Tolvane
  read_decoder
  shoot "$main" "main-$code"
  if [[ $code == de ]]; then
    # Window managers keep Alt+Space for their own menu: open ours from the dialog's background.
    system_menu
    shoot "$main" system-menu-de
    key "$main" Escape
    # Write is next in the tab order after Read and is enabled by the successful Read.
    key "$main" Tab space
    box=$(window Tolvane "$main")
    shoot "$box" write-succeeded-de
    key "$box" Return
  fi
  if [[ $code == en ]]; then
    system_menu
    key "$main" a
    shoot "$(window 'Morrick Tolvane')" about
    key "$(window 'Morrick Tolvane')" Escape
  fi
  key "$main" Escape
  wait "$app"
done

# Without a driver library the program says so and ends.
start ja ja_JP.UTF-8 "" ""
shoot "$main" no-driver-ja
key "$main" Return
wait "$app"
