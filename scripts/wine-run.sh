#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's test environment.
# The prefix lives in the build folder (MOGURA_WINEPREFIX, else ./wineprefix).
set -e
export WINEPREFIX="${MOGURA_WINEPREFIX:-$PWD/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;winebrowser.exe=d;mscoree=d;mshtml=d"
export LC_ALL="${MOGURA_WINE_LC_ALL:-ja_JP.UTF-8}"
loader=/usr/lib/wine/wine64
[ -x "$loader" ] || loader=wine
exec "$loader" "$@"
