#!/usr/bin/env bash
# Sets up the machine, builds the native, Windows and sanitizer configurations and runs every test.
#   scripts/test.sh            everything, and a short run of each fuzz target
#   scripts/test.sh --quick    native tests only (no Wine, no sanitizers, no fuzzing)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
quick=0
[ "${1:-}" = "--quick" ] && quick=1
jobs=2
start=$(date +%s)

"$top/scripts/setup.sh"

configure() { # dir, extra cmake arguments...
  local dir=$1; shift
  cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >"$dir.configure.log" 2>&1 \
    || { cat "$dir.configure.log" >&2; exit 1; }
}
build_and_test() { # dir, label
  local dir=$1 label=$2
  echo "== $label: build"
  cmake --build "$dir" -j "$jobs" >"$dir.build.log" 2>&1 || { tail -n 60 "$dir.build.log" >&2; exit 1; }
  echo "== $label: test"
  ctest --test-dir "$dir" -j "$jobs" --timeout 600 --output-on-failure
}

echo "== layers: no include climbs"
python3 "$top/scripts/check-layers.py"

mkdir -p build
configure build/native
build_and_test build/native native

if [ $quick -eq 0 ]; then
  configure build/asan -DMOGURA_SANITIZE=ON
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    build_and_test build/asan "native with ASan+UBSan"

  echo "== fuzz targets (clang, ASan+UBSan): a short run of each"
  "$top/fuzz/run.sh" all 10

  configure build/win64 -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake"
  # One detached wineserver for the whole run: each Wine process then starts in a fraction of a second.
  export WINEPREFIX="$top/build/win64/wineprefix" WINEDEBUG=-all LC_ALL=ja_JP.UTF-8 \
         WINEDLLOVERRIDES="winemenubuilder.exe=d;winebrowser.exe=d;mscoree=d;mshtml=d"
  # The view tests need a screen: a virtual one of our own, before any Wine process starts.
  display=99
  while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1600x1200x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=":$display"
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  if [ ! -d "$WINEPREFIX" ]; then
    /usr/lib/wine/wine64 wineboot -i </dev/null >/dev/null 2>&1 || true
  fi
  # Wine's own service processes must not inherit ctest's output pipes either (ctest would wait
  # for them forever): start them here, detached from our output.
  setsid /usr/lib/wine/wineserver -p 60 </dev/null >/dev/null 2>&1 &
  trap '/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true' EXIT
  setsid /usr/lib/wine/wine64 wineboot </dev/null >/dev/null 2>&1 || true
  "$top/scripts/wine-gui-setup.sh"
  build_and_test build/win64 "win64 under Wine"
fi
echo "== all tests passed in $(( $(date +%s) - start )) s"
