#!/usr/bin/env bash
# Builds the Debian package of a configured and built tree, installs it with
# apt (as root) and checks the installed program as a user of the desktop
# would meet it:
#   - tarvo-posts --version, and tarvo-posts check on an installed sample;
#   - the desktop entry validates and is the default for *.tvp files;
#   - a sample's file type is application/x-tarvo-project, by name and by
#     content;
#   - the user guide is a PDF with every font embedded;
#   - "設定の保存" pressed in the installed program's window writes Tarvo.ini
#     into the user's configuration folder, and into the program's own folder
#     when a Tarvo.ini sits there (a copy of the program, for portable use).
# Usage: tools/check-package.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
self=$(realpath "$0")

# Starts the program on the virtual screen of xvfb-run, clicks the page tab
# "共通条件" and the page's button "設定の保存" (below the storey heights at
# the page's right edge: its place is fixed from the window's top, whatever
# height the window opens with), takes a screenshot and ends the program.
if [ "${1:-}" = --press-save-defaults ]; then # program config-home home screenshot
  XDG_CONFIG_HOME=$3 HOME=$4 "$2" 2>/dev/null &
  pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --name '木造柱の設計' | head -1)
  sleep 2
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + 37)) $((Y + 93)) click 1
  sleep 1
  xdotool mousemove $((X + WIDTH - 56)) $((Y + 554)) click 1
  sleep 2
  import -window root "$5" 2>/dev/null || true
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  exit 0
fi
press_save_defaults() { # program config-home screenshot
  xvfb-run -a -s "-screen 0 1024x768x24" bash "$self" --press-save-defaults "$1" "$2" "$work/home" "$3" ||
    echo "the window could not be driven" >&2
}

cd "$(dirname "$self")/.."
build=$(realpath "${1:-build/release}")

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# --- the package ---------------------------------------------------------
rm -f "$build"/tarvo-posts_*.deb
(cd "$build" && cpack -G DEB >/dev/null 2>&1)
package=$(ls "$build"/tarvo-posts_*.deb)
dpkg-deb --info "$package" | sed -n '/Package:/,$p'
apt-get install -y "$package" >/dev/null
pass "installed $(basename "$package") with apt"

doc=/usr/share/doc/tarvo-posts
sample=$doc/examples/sawn-lumber-wind.tvp
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# --- the command line ----------------------------------------------------
[ "$(command -v tarvo-posts)" = /usr/bin/tarvo-posts ] || fail "tarvo-posts is not /usr/bin/tarvo-posts"
version=$(tarvo-posts --version) && pass "$version" || fail "tarvo-posts --version"
if HOME=$work/home tarvo-posts check "$sample" >"$work/check.txt"; then
  pass "tarvo-posts check $sample: $(tail -1 "$work/check.txt")"
else
  fail "tarvo-posts check $sample"
fi
[ -f /usr/share/man/man1/tarvo-posts.1.gz ] && pass "manual page" || fail "no manual page tarvo-posts.1.gz"

# --- desktop entry and file type -----------------------------------------
desktop=/usr/share/applications/tarvo-posts.desktop
desktop-file-validate "$desktop" && pass "desktop entry validates" || fail "desktop-file-validate $desktop"
update-mime-database /usr/share/mime
type=$(xdg-mime query filetype "$sample")
[ "$type" = application/x-tarvo-project ] && pass "file type of $sample: $type" || fail "file type of $sample: $type"
cp "$sample" "$work/no-extension"
type=$(xdg-mime query filetype "$work/no-extension")
[ "$type" = application/x-tarvo-project ] && pass "file type by content: $type" || fail "file type by content: $type"
update-desktop-database /usr/share/applications 2>/dev/null || true
handler=$(xdg-mime query default application/x-tarvo-project)
[ "$handler" = tarvo-posts.desktop ] && pass "*.tvp opens with $handler" || fail "*.tvp opens with '$handler'"

# --- the user guide --------------------------------------------------------
guide=$doc/Tarvo_Help.pdf
if [ -f "$guide" ] && [ "$(head -c 5 "$guide")" = "%PDF-" ]; then
  fonts=$(pdffonts "$guide" | tail -n +3)
  missing=$(echo "$fonts" | awk '{ if ($(NF-4) != "yes") print $1 }')
  if [ -n "$fonts" ] && [ -z "$missing" ] && echo "$fonts" | grep -q IPA; then
    pass "user guide $guide: $(echo "$fonts" | wc -l) fonts, all embedded"
  else
    fail "user guide fonts not embedded: ${missing:-no Japanese font}"
  fi
else
  fail "no user guide PDF at $guide"
fi

# --- "設定の保存" in the installed program's window ---------------------------
# Installed: the program's folder holds no Tarvo.ini, so the user's folder.
press_save_defaults /usr/bin/tarvo-posts "$work/config" "$work/installed.png"
if grep -q '^\[Common\]' "$work/config/tarvo-posts/Tarvo.ini" 2>/dev/null; then
  pass "設定の保存 wrote $work/config/tarvo-posts/Tarvo.ini"
else
  fail "設定の保存 wrote no Tarvo.ini into the configuration folder (screen: /tmp/tarvo-installed-save.png)"
  cp "$work/installed.png" /tmp/tarvo-installed-save.png 2>/dev/null || true
fi
[ -e /usr/bin/Tarvo.ini ] && fail "a Tarvo.ini appeared beside the installed program"

# Portable: a copy of the program with a Tarvo.ini beside it keeps it there.
mkdir -p "$work/portable"
cp /usr/bin/tarvo-posts "$work/portable/"
: >"$work/portable/Tarvo.ini"
press_save_defaults "$work/portable/tarvo-posts" "$work/config2" "$work/portable.png"
if grep -q '^\[Common\]' "$work/portable/Tarvo.ini"; then
  pass "設定の保存 of a portable copy wrote its own Tarvo.ini"
else
  fail "設定の保存 of a portable copy did not write beside the program (screen: /tmp/tarvo-portable-save.png)"
  cp "$work/portable.png" /tmp/tarvo-portable-save.png 2>/dev/null || true
fi
[ -e "$work/config2" ] && fail "the portable copy made a configuration folder"

apt-get remove -y tarvo-posts >/dev/null
if [ "$failures" -ne 0 ]; then
  echo "package checks: $failures failed" >&2
  exit 1
fi
echo "package checks passed"
