#!/usr/bin/env bash
# Builds mogura.exe and starts it under Wine on the bundled sample, as a newcomer meets it:
#   scripts/try-mogura.sh
# The Wine prefix build/try/wineprefix holds a pretend host installation in
# C:\Program Files\Tabimo\Kurumin for Windows ver. 2.0\ (an empty Kurumin20.exe and the sample
# receive folder), so the first run finds it: the welcome dialog, then the main window. The
# settings stay in that prefix; delete build/try to start over as a new user.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
"$top/scripts/setup.sh"
build=$top/build/win64
mkdir -p build
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" >"$build.configure.log" 2>&1 \
    || { cat "$build.configure.log" >&2; exit 1; }
fi
cmake --build "$build" -j 2 --target mogura >"$build.build.log" 2>&1 || { tail -n 40 "$build.build.log" >&2; exit 1; }

export WINEPREFIX=$top/build/try/wineprefix WINEDEBUG=-all LC_ALL=ja_JP.UTF-8 \
       WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
if [ ! -d "$WINEPREFIX" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  /usr/lib/wine/wine64 wineboot -i </dev/null >/dev/null 2>&1 || true
  "$top/scripts/wine-gui-setup.sh" --with-window-manager
  kurumin="$WINEPREFIX/drive_c/Program Files/Tabimo/Kurumin for Windows ver. 2.0"
  mkdir -p "$kurumin"
  : > "$kurumin/Kurumin20.exe"
  python3 "$top/tools/make_drawers.py" sample "$kurumin/受信フォルダ"
  cp "$build"/src/ui/win32/mogura.exe "$build"/src/ui/win32/mogura-guide* "$WINEPREFIX/drive_c/"
fi
cp "$build"/src/ui/win32/mogura.exe "$build"/src/ui/win32/mogura-guide* "$WINEPREFIX/drive_c/"
if [ -z "${DISPLAY:-}" ]; then
  echo "No screen (DISPLAY is not set): start this from a desktop session, or under xvfb-run." >&2
  exit 1
fi
echo "Starting C:\\mogura.exe in $WINEPREFIX (pages on the desktop land in the prefix's Desktop folder)."
exec /usr/lib/wine/wine64 "C:\\mogura.exe"
