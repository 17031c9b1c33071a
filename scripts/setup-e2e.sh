#!/usr/bin/env bash
# setup.exe end to end: a fresh copy of the test prefix (BUILD/setup-prefix), the built zip
# unpacked into it (C:\dist\mogura), and the tests that drive setup.exe there, with pictures
# of its windows at 96 DPI in BUILD/screenshots/96/. Needs a display (DISPLAY), as the view tests do.
# Usage: scripts/setup-e2e.sh BUILD_DIR [GTEST_FILTER]
set -euo pipefail
build=$(cd "$1" && pwd)
filter=${2:-*}
here=$(cd "$(dirname "$0")" && pwd)
source_prefix="${MOGURA_WINEPREFIX:-$build/wineprefix}"
prefix="$build/setup-prefix"
loader=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver
export WINEPREFIX="$prefix" WINEDEBUG=-all LC_ALL=ja_JP.UTF-8 \
       WINEDLLOVERRIDES="winemenubuilder.exe=d;winebrowser.exe=d;mscoree=d;mshtml=d"

rm -rf "$prefix"
if [ -d "$source_prefix" ]; then
  cp -a "$source_prefix" "$prefix"
fi
# A server of its own for this prefix, detached from our output (Wine's services inherit it).
setsid "$server" -p 5 </dev/null >/dev/null 2>&1 &
trap '"$server" -k >/dev/null 2>&1 || true' EXIT
setsid "$loader" wineboot </dev/null >/dev/null 2>&1 || true
"$here/wine-gui-setup.sh"
"$loader" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f </dev/null >/dev/null 2>&1

mkdir -p "$prefix/drive_c/dist" "$build/screenshots/96"
python3 -m zipfile -e "$build/dist/mogura.zip" "$prefix/drive_c/dist/"

log="$build/setup-e2e.log"
status=0
MOGURA_DIST='C:\dist' MOGURA_SCREENSHOT_DIR="Z:$(echo "$build/screenshots/96" | tr / '\\')" \
  "$loader" "$build/tests/setup_ui_tests.exe" --gtest_brief=1 "--gtest_filter=$filter" </dev/null >"$log" 2>&1 || status=$?
cat "$log"
exit $status
