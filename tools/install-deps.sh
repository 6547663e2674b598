#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, test and run the program,
# and to build and check its Debian package. As root it installs at once; as
# another user it runs itself through sudo. Safe to run again.
#   tools/install-deps.sh            what the build, the tests and the package need
#   tools/install-deps.sh --checks   also clang, its sanitizer and fuzzer runtimes,
#                                    clang-format and clang-tidy (the CI checks)
set -euo pipefail
. "$(dirname "$0")/elevate.sh" "$@"
export DEBIAN_FRONTEND=noninteractive
packages=(
  ca-certificates
  g++ cmake ninja-build make pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
  fonts-ipafont fonts-ipafont-gothic fonts-ipafont-mincho fonts-urw-base35 fonts-dejavu-core fontconfig
  poppler-utils xvfb xauth
  cups cups-client printer-driver-cups-pdf
  texlive-lang-japanese
  dpkg-dev desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl xdotool
)
if [ "${1:-}" = --checks ]; then
  packages+=(clang-14 libclang-rt-14-dev clang-format-14 clang-tidy-14)
fi
apt-get update
apt-get install -y --no-install-recommends "${packages[@]}" </dev/null
