#!/usr/bin/env bash
# Installs every Debian package the project needs. Idempotent; quiet unless something fails.
set -euo pipefail
packages=(
  build-essential cmake ninja-build python3 pkg-config
  libgtest-dev libgmock-dev googletest
  g++-mingw-w64-x86-64-posix
  wine wine64 xvfb xauth fonts-ipafont-gothic imagemagick
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
log=$(mktemp)
if ! { $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
  cat "$log" >&2
  rm -f "$log"
  echo "setup: installing ${missing[*]} failed" >&2
  exit 1
fi
rm -f "$log"
