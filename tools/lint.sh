#!/usr/bin/env bash
# The static checks CI runs: clang-format (the repository's .clang-format, no
# difference allowed) and clang-tidy (the repository's .clang-tidy, no finding
# allowed) over src, tests, bench and fuzz.
#   tools/lint.sh [--format-only | --tidy-only] [--fix]
# clang-tidy needs a compile database: the release build's (configured when
# missing) covers src, tests and bench; the fuzz targets are checked with the
# core's flags plus their own (libFuzzer's entry point needs no header).
# Needs clang-format-14 and clang-tidy-14 (tools/install-deps.sh --checks).
set -euo pipefail
cd "$(dirname "$0")/.."
format_only=0
tidy_only=0
fix=0
for arg in "$@"; do
  case $arg in
    --format-only) format_only=1 ;;
    --tidy-only) tidy_only=1 ;;
    --fix) fix=1 ;;
    *) echo "usage: tools/lint.sh [--format-only | --tidy-only] [--fix]" >&2; exit 2 ;;
  esac
done
format=$(command -v clang-format-14 || command -v clang-format)
tidy=$(command -v clang-tidy-14 || command -v clang-tidy)
jobs=$(nproc)

mapfile -t sources < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
  'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h')

if [ $tidy_only -eq 0 ]; then
  echo "clang-format: ${#sources[@]} files"
  if [ $fix -eq 1 ]; then
    "$format" -i "${sources[@]}"
  elif ! "$format" --dry-run -Werror "${sources[@]}"; then
    echo "clang-format: the files above differ from the repository's format (tools/lint.sh --fix mends them)" >&2
    exit 1
  fi
fi
[ $format_only -eq 1 ] && exit 0

build=build/release
if [ ! -f "$build/compile_commands.json" ]; then
  cmake --preset release >/dev/null
fi
# The sources Qt's moc generates must exist before their users are parsed.
cmake --build "$build" >/dev/null

# One compile database for every translation unit: the build's, plus the fuzz
# targets with the flags of the core library.
db=$(mktemp -d)
trap 'rm -rf "$db"' EXIT
python3 - "$build/compile_commands.json" "$db/compile_commands.json" "$PWD" <<'PY'
import json, sys, os
entries = json.load(open(sys.argv[1]))
root = sys.argv[3]
core = next(e for e in entries if "/src/core/" in e["file"])
for name in sorted(os.listdir(os.path.join(root, "fuzz"))):
    if name.endswith(".cpp"):
        f = os.path.join(root, "fuzz", name)
        cmd = core["command"].replace(core["file"], f)
        cmd = cmd.split(" -o ")[0] + " -c " + f
        entries.append({"directory": core["directory"], "command": cmd, "file": f})
json.dump(entries, open(sys.argv[2], "w"), indent=1)
PY

mapfile -t units < <(printf '%s\n' "${sources[@]}" | grep '\.cpp$')
echo "clang-tidy: ${#units[@]} translation units, $jobs at a time"
log=$(mktemp)
trap 'rm -rf "$db" "$log"' EXIT
printf '%s\n' "${units[@]}" |
  xargs -P "$jobs" -I{} sh -c '"$0" -p "$1" --quiet "$2" 2>/dev/null' "$tidy" "$db" {} >"$log" || true
if grep -q -E '(warning|error):' "$log"; then
  grep -A3 -E '(warning|error):' "$log" >&2
  echo "clang-tidy: $(grep -c -E '(warning|error):' "$log") findings" >&2
  exit 1
fi
echo "clang-tidy: no findings"
