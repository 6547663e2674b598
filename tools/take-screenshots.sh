#!/usr/bin/env bash
# Takes the screenshots of the window used by the README and the user guide
# (docs/images/*.png): starts the program on a sample project on a virtual
# 1024x768 screen, clicks each page tab and crops the window.
# Usage: tools/take-screenshots.sh [PROGRAM]   (default build/release/tarvo-posts)
# Needs xvfb-run, xdotool and ImageMagick's import.
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/.."
program=$(realpath "${1:-build/release/tarvo-posts}")
out=$(realpath docs/images)

if [ -z "${TARVO_SCREENSHOT_INNER:-}" ]; then
  exec env TARVO_SCREENSHOT_INNER=1 xvfb-run -a -s "-screen 0 1024x768x24" "$self" "$program"
fi

# A settings folder of its own, so that no stored default changes the pages.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
XDG_CONFIG_HOME=$config "$program" samples/sawn-lumber-wind.tvp 2>/dev/null &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '木造柱の設計' | head -1)
sleep 2
eval "$(xdotool getwindowgeometry --shell "$window")"

# The page tabs, from the window's top-left corner.
shoot() { # x-offset-of-tab file
  xdotool mousemove $((X + $1)) $((Y + 93)) click 1
  sleep 1
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$2"
  echo "$out/$2"
}
shoot 37 common-page.png
shoot 140 base-material-page.png
shoot 258 column-material-page.png
kill "$pid"
