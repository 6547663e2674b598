#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, test and run the program,
# and to build and check its Debian package.
# Run as root (or through sudo). Safe to run again.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
  ca-certificates \
  g++ cmake ninja-build make pkg-config \
  libgtest-dev libgmock-dev googletest libbenchmark-dev \
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev \
  fonts-ipafont fonts-ipafont-gothic fonts-ipafont-mincho fonts-urw-base35 fontconfig \
  poppler-utils xvfb xauth \
  cups cups-client printer-driver-cups-pdf \
  texlive-lang-japanese \
  dpkg-dev desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl xdotool
