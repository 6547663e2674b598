#!/usr/bin/env bash
# Takes the screenshots of the window used by the README and the user guide
# (docs/images/*.png): starts the program on a shipped sample project on a
# virtual 1600x1000 screen, makes its window large enough to show the whole
# result sheet, then clicks through the pages, opens the menus and the
# dialogs and shoots each of them.
# Usage: tools/take-screenshots.sh [PROGRAM]   (default build/release/tarvo-posts)
# Needs xvfb-run, xdotool and ImageMagick's import (package imagemagick).
# Look at every picture after taking it: a dialog that did not open in time
# leaves a picture of the window behind it.
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/.."
program=$(realpath "${1:-build/release/tarvo-posts}")
out=$(realpath docs/images)

if [ -z "${TARVO_SCREENSHOT_INNER:-}" ]; then
  exec env TARVO_SCREENSHOT_INNER=1 xvfb-run -a -s "-screen 0 1600x1000x24" "$self" "$program"
fi

# Settings and recovery folders of their own, so that no stored default
# changes the pages and no recovery question stops the start.
scratch=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data

# Positions of the page tabs in the window, measured on the pictures.
readonly tabY=93 tab_common=44 tab_base=140 tab_column_material=257 tab_design=347

# The window: at the top-left corner, 860 x 720 pixels (the result sheet of
# the sample's first column fits whole).
readonly winW=860 winH=720

start() { # project
  "$program" "$1" 2>/dev/null &
  pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --name '木造柱の設計' | head -1)
  sleep 1
  xdotool windowsize "$window" $winW $winH
  xdotool windowmove "$window" 0 0
  sleep 1.5
  # Without a window manager the window has the keyboard only once clicked:
  # a click on the tab of the page it opens on.
  click $tab_design $tabY
}

stop() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=
}

click() { # x y [button]
  xdotool mousemove "$1" "$2" click "${3:-1}"
  sleep 0.8
}

key() { # keys...
  xdotool key "$@"
  sleep 0.8
}

# A rectangle of the screen: x y width height file.
shoot_area() {
  import -window root -crop "${3}x${4}+${1}+${2}" +repage "$out/$5"
  echo "$out/$5"
}

shoot_window() { # file
  shoot_area 0 0 $winW $winH "$1"
}

# Waits for the window named by its title (a dialog) and sets X, Y, WIDTH
# and HEIGHT to its geometry.
find_named() { # title
  local id
  id=$(timeout 15 xdotool search --sync --onlyvisible --name "$1" | tail -1)
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
}

# That window, cropped to its own geometry.
shoot_named() { # title file
  find_named "$1"
  shoot_area "$X" "$Y" "$WIDTH" "$HEIGHT" "$2"
}

start samples/sawn-lumber-wind.tvp

# --- the four pages ---------------------------------------------------------
click $tab_design $tabY
shoot_window column-design-page.png
click $tab_common $tabY
shoot_window common-page.png
click $tab_base $tabY
shoot_window base-material-page.png
click $tab_column_material $tabY
shoot_window column-material-page.png
# The inner pages of the column material page.
click 115 124
shoot_window column-material-glulam.png
click 212 124
shoot_area 0 0 $winW 250 column-material-environment.png
click 38 124
click $tab_design $tabY

# --- the menus --------------------------------------------------------------
key alt+f
shoot_area 0 0 420 480 menu-file.png
key Escape

# --- the dialogs ------------------------------------------------------------
key alt+f u
shoot_named '^印刷設定$' dialog-print-setup.png
key Return

# The print selection with the first and the third column ticked.
key alt+f d
find_named '^印刷データの選択$'
click $((X + 21)) $((Y + 52))
click $((X + 21)) $((Y + 87))
shoot_area "$X" "$Y" "$WIDTH" "$HEIGHT" dialog-print-selection.png
key Escape

# The arrange dialog with its menu (a right click on the second line).
click 528 65
find_named '^データ整理$'
click $((X + 60)) $((Y + 77)) 3
shoot_area "$X" "$Y" $((WIDTH + 140)) "$HEIGHT" dialog-arrange.png
key Escape
key Escape

key alt+l s
shoot_named '^LaTeX 環境設定$' dialog-latex.png
key Escape

# The preview, opened by the tool button; it opens maximised.
click 123 33
shoot_named '^印刷プレビュー$' preview.png
shoot_area 0 0 620 30 preview-toolbar.png
stop

# --- an edit that cannot be checked, and the edit menu that can undo it ----
start samples/sawn-lumber-wind.tvp
click 123 450
key ctrl+a
xdotool type --delay 80 5000
key Tab
shoot_window column-design-message.png
key alt+e
shoot_area 0 0 420 200 menu-edit.png
key Escape
stop

# --- the section design of every column -------------------------------------
start samples/sawn-lumber-wind.tvp
key alt+e d
find_named '^断面算定$'
# "全て選択" at the left of the row above the progress line, then "算定(&S)".
click $((X + 50)) $((Y + HEIGHT - 88))
key alt+s
sleep 1
shoot_area "$X" "$Y" "$WIDTH" "$HEIGHT" dialog-section-design.png
key Escape
stop

# --- the column page for 2x4 lumber and for glulam --------------------------
start samples/dimension-lumber.tvp
shoot_window column-design-2x4.png
stop
start samples/glulam-wind-1458.tvp
shoot_window column-design-glulam.png
stop
