#!/usr/bin/env bash
# Runs the view tests that take pictures, at 96 and at 144 DPI, into BUILD/screenshots/<dpi>/,
# and once more at 144 DPI under a locale whose code page is not Japanese (144-latin/; the
# ui_latin_locale test covers 96 DPI): every window's texts are checked to fit their controls
# in each. The DPI is the prefix's setting, read by each Wine process when it starts; it is set
# back to 96 at the end. Usage: scripts/ui-screenshots.sh BUILD_DIR [TEST_FILTER]
set -euo pipefail
build=$(cd "$1" && pwd)
filter=${2:-*ShowsItsTextsWhole*:ProgramTest.FirstRun*:ProgramTest.TheIconOpens*}
here=$(cd "$(dirname "$0")" && pwd)
export MOGURA_WINEPREFIX="${MOGURA_WINEPREFIX:-$build/wineprefix}"
run() { "$here/wine-run.sh" "$@"; }
set_dpi() { run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1; }
trap 'set_dpi 96' EXIT
status=0
for pass in 96 144 144-latin; do
  dpi=${pass%-latin}
  locale=${MOGURA_WINE_LC_ALL:-ja_JP.UTF-8}
  [ "$pass" = "$dpi" ] || locale=C.UTF-8
  mkdir -p "$build/screenshots/$pass"
  set_dpi "$dpi"
  MOGURA_WINE_LC_ALL=$locale MOGURA_SCREENSHOT_DIR="Z:$(echo "$build/screenshots/$pass" | tr / '\\')" \
    run "$build/tests/ui_tests.exe" --gtest_brief=1 "--gtest_filter=$filter" || status=1
done
ls "$build"/screenshots/*/*.png
exit $status
