#!/usr/bin/env bash
# Installs the build into a temporary staging folder (DESTDIR, prefix /usr)
# and checks what lands there: the program runs from it, the desktop entry,
# the file type and the icon are where the desktop looks for them and are
# valid, the manual page renders, the samples and the user guide are there.
# Usage: check-install.sh CMAKE BUILD_DIR WITH_GUI(ON|OFF) WITH_GUIDE(ON|OFF)
set -uo pipefail
cmake_command=$1
build=$2
with_gui=$3
with_guide=$4

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
need() { [ -e "$stage/usr/$1" ] || fail "not installed: /usr/$1"; }

if ! DESTDIR=$stage "$cmake_command" --install "$build" --prefix /usr >"$stage.log" 2>&1; then
  cat "$stage.log" >&2
  rm -f "$stage.log"
  echo "FAIL: cmake --install" >&2
  exit 1
fi
rm -f "$stage.log"

program=$stage/usr/bin/tarvo-posts
need bin/tarvo-posts
need share/man/man1/tarvo-posts.1.gz
doc=share/doc/tarvo-posts
for sample in sawn-lumber-wind dimension-lumber glulam-column glulam-wind-1458 lvl-wind mixed-with-ng; do
  need "$doc/examples/$sample.tvp"
done

# The installed program runs and checks an installed sample. A Tarvo.ini is
# not installed beside it, so it reads its settings from the user's folder.
[ -e "$stage/usr/bin/Tarvo.ini" ] && fail "a Tarvo.ini beside the installed program would make it portable"
version=$(XDG_CONFIG_HOME=$stage/config "$program" --version) || fail "tarvo-posts --version"
[[ $version == "tarvo-posts "[0-9]* ]] || fail "unexpected version line: $version"
XDG_CONFIG_HOME=$stage/config "$program" check "$stage/usr/$doc/examples/sawn-lumber-wind.tvp" >/dev/null ||
  fail "tarvo-posts check on an installed sample"
[ -e "$stage/config" ] && fail "a command that only reads made the configuration folder"

# The manual page renders without a warning.
if command -v groff >/dev/null; then
  warnings=$(gzip -dc "$stage/usr/share/man/man1/tarvo-posts.1.gz" | groff -man -ww -z 2>&1)
  [ -z "$warnings" ] || fail "manual page: $warnings"
fi

if [ "$with_gui" = ON ]; then
  desktop=$stage/usr/share/applications/tarvo-posts.desktop
  need share/applications/tarvo-posts.desktop
  need share/mime/packages/tarvo-posts.xml
  need share/icons/hicolor/scalable/apps/tarvo-posts.svg
  need share/icons/hicolor/scalable/mimetypes/application-x-tarvo-project.svg
  grep -qx 'Exec=tarvo-posts %f' "$desktop" || fail "desktop entry: Exec"
  grep -qx 'Name=木造柱の設計' "$desktop" || fail "desktop entry: Name"
  grep -qx 'MimeType=application/x-tarvo-project;' "$desktop" || fail "desktop entry: MimeType"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
  else
    echo "desktop-file-validate not installed: the entry's syntax is not validated"
  fi
  # The file type compiles into a MIME database and names *.tvp and the
  # identifier at the head of every project file.
  if command -v update-mime-database >/dev/null; then
    if update-mime-database "$stage/usr/share/mime" 2>"$stage/mime.err"; then
      grep -q '^[0-9]*:application/x-tarvo-project:\*\.tvp$' "$stage/usr/share/mime/globs2" ||
        fail "MIME database: no *.tvp glob"
      grep -q 'Tarvo_Posts' "$stage/usr/share/mime/magic" || fail "MIME database: no magic"
      if command -v mimetype >/dev/null; then
        # By its content alone, under a name without the extension.
        cp "$stage/usr/$doc/examples/lvl-wind.tvp" "$stage/project"
        found=$(XDG_DATA_HOME=$stage/usr/share XDG_DATA_DIRS=$stage/usr/share mimetype --brief "$stage/project")
        [ "$found" = application/x-tarvo-project ] || fail "file type by content: $found"
      fi
    else
      fail "update-mime-database: $(cat "$stage/mime.err")"
    fi
  fi
fi

if [ "$with_guide" = ON ]; then
  guide=$stage/usr/$doc/Tarvo_Help.pdf
  need "$doc/Tarvo_Help.pdf"
  if command -v pdffonts >/dev/null && [ -e "$guide" ]; then
    fonts=$(pdffonts "$guide" | tail -n +3)
    [ -n "$fonts" ] || fail "user guide: no fonts"
    # Column "emb" must read yes for every font.
    missing=$(echo "$fonts" | awk '{ if ($(NF-4) != "yes") print $1 }')
    [ -z "$missing" ] || fail "user guide: fonts not embedded: $missing"
    echo "$fonts" | grep -q IPA || fail "user guide: no Japanese font"
  fi
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures install checks failed" >&2
  exit 1
fi
echo "install checks passed"
