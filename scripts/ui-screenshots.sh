#!/usr/bin/env bash
# Runs the view tests that take pictures, at 96 and at 144 DPI, into BUILD/screenshots/<dpi>/.
# The DPI is the prefix's setting, read by each Wine process when it starts; it is set back
# to 96 at the end. Usage: scripts/ui-screenshots.sh BUILD_DIR [TEST_FILTER]
set -euo pipefail
build=$(cd "$1" && pwd)
filter=${2:-*ShowsItsTextsWhole*:ProgramTest.FirstRun*:ProgramTest.TheIconOpens*}
here=$(cd "$(dirname "$0")" && pwd)
export MOGURA_WINEPREFIX="${MOGURA_WINEPREFIX:-$build/wineprefix}"
run() { "$here/wine-run.sh" "$@"; }
set_dpi() { run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1; }
trap 'set_dpi 96' EXIT
status=0
for dpi in 96 144; do
  mkdir -p "$build/screenshots/$dpi"
  set_dpi "$dpi"
  MOGURA_SCREENSHOT_DIR="Z:$(echo "$build/screenshots/$dpi" | tr / '\\')" \
    run "$build/tests/ui_tests.exe" --gtest_brief=1 "--gtest_filter=$filter" || status=1
done
ls "$build"/screenshots/*/*.png
exit $status
