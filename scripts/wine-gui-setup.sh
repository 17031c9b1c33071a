#!/usr/bin/env bash
# Prepares a Wine prefix for running our windows under Xvfb (idempotent):
#  - no window manager is expected (otherwise Wine stalls after every closed window);
#  - the bundled light theme is active, so that visual styles show;
#  - the profile's Desktop, Documents, ... are folders of the prefix, not links into $HOME.
# Usage: WINEPREFIX=... scripts/wine-gui-setup.sh [--with-window-manager]
#   --with-window-manager  for a person's own screen: windows stay managed by the desktop
set -euo pipefail
managed=N
[ "${1:-}" = "--with-window-manager" ] && managed=Y
: "${WINEPREFIX:?WINEPREFIX must name the prefix}"
export WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;winebrowser.exe=d;mscoree=d;mshtml=d"
loader=/usr/lib/wine/wine64
[ -x "$loader" ] || loader=wine
reg() { "$loader" reg add "$@" /f </dev/null >/dev/null 2>&1; }

reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed"
theme='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
reg "$theme" /v ThemeActive /d 1
reg "$theme" /v DllName /t REG_EXPAND_SZ /d '%SystemRoot%\resources\themes\light\light.msstyles'
reg "$theme" /v ColorName /d Blue
reg "$theme" /v SizeName /d NormalSize

for profile in "$WINEPREFIX"/drive_c/users/*/; do
  for name in Desktop Documents Downloads Music Pictures Videos Templates; do
    if [ -L "$profile$name" ]; then
      rm "$profile$name"
      mkdir -p "$profile$name"
    fi
  done
done
