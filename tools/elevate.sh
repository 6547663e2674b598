# Sourced by the scripts that install Debian packages. When the script runs as
# root it goes on; otherwise it runs itself again through sudo when sudo
# exists, and else says how to run it as root and ends.
#   usage, at the top of a script:  . "$(dirname "$0")/elevate.sh" "$@"
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    exec sudo -- "$0" "$@"
  fi
  echo "$(basename "$0") installs Debian packages and needs root, and there is no sudo here." >&2
  echo "Run it as root, for example: su -c '$(realpath "$0")${*:+ $*}'" >&2
  exit 1
fi
