#!/usr/bin/env bash
# Installs every Debian package the project needs. Idempotent; quiet unless something fails.
set -euo pipefail
packages=(
  build-essential cmake ninja-build python3 pkg-config
  libgtest-dev libgmock-dev googletest
  g++-mingw-w64-x86-64-posix
  wine wine64 xvfb xauth fonts-ipafont-gothic locales
  clang libclang-rt-14-dev strace
  chromium
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
fail() { cat "$log" >&2; echo "setup: $1" >&2; exit 1; }

if [ ${#missing[@]} -gt 0 ]; then
  { $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
      $sudo apt-get install -y -qq "${missing[@]}"; } >"$log" 2>&1 \
    || fail "installing ${missing[*]} failed"
fi

# Wine maps Windows file names to host names through the host locale's character set: without
# a real ja_JP.UTF-8 locale, names with Japanese characters cannot be created under Wine.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  { grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null \
      || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen; \
    $sudo locale-gen; } >"$log" 2>&1 || fail "generating the ja_JP.UTF-8 locale failed"
fi
