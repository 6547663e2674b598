#!/usr/bin/env bash
# Installs the Debian package that `cpack --preset release` built, with apt,
# so that apt also installs what it depends on. As root it installs at once;
# as another user it runs itself through sudo.
#   tools/install-package.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
. "$(dirname "$0")/elevate.sh" "$@"
cd "$(dirname "$0")/.."
build=${1:-build/release}
shopt -s nullglob
packages=("$build"/tarvo-posts_*_*.deb)
if [ ${#packages[@]} -eq 0 ]; then
  echo "No package in $build: build it first with 'cpack --preset release'." >&2
  exit 1
fi
if [ ${#packages[@]} -gt 1 ]; then
  # Several versions lie there: the newest one is the one just built.
  mapfile -t packages < <(ls -t "${packages[@]}")
fi
export DEBIAN_FRONTEND=noninteractive
apt-get install -y "$(realpath "${packages[0]}")" </dev/null
