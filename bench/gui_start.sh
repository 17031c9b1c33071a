#!/usr/bin/env bash
# Times the start of mogura.exe until its main window shows, under Wine with a warm server and
# a virtual screen:  bench/gui_start.sh [BUILD_DIR] [STARTS]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build/win64}" && pwd)
starts=${2:-10}
cmake --build "$build" -j 2 --target mogura gui_start_bench >/dev/null
export MOGURA_WINEPREFIX="$build/wineprefix"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$starts"
fi
WINEPREFIX="$MOGURA_WINEPREFIX" "$top/scripts/wine-gui-setup.sh"
WINEPREFIX="$MOGURA_WINEPREFIX" setsid /usr/lib/wine/wineserver -p 30 </dev/null >/dev/null 2>&1 || true
"$top/scripts/wine-run.sh" "$build/bench/gui_start_bench.exe" "$build/src/ui/win32/mogura.exe" "$starts"
