#!/usr/bin/env bash
# Sets up, builds, makes the sample receive folder and turns its pet mail into pages per month
# with an index:  scripts/demo.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
"$top/scripts/setup.sh"
build=$top/build/native
mkdir -p build
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >build/native.configure.log 2>&1 \
    || { cat build/native.configure.log >&2; exit 1; }
fi
cmake --build "$build" -j 2 --target mogura-cli >build/native.build.log 2>&1 || { tail -n 40 build/native.build.log >&2; exit 1; }

demo=$top/build/demo
rm -rf "$demo"
mkdir -p "$demo/pages"
python3 "$top/tools/make_drawers.py" sample "$demo/受信フォルダ"
# Settings of the demo: divided by month, with an index page.
cat > "$demo/demo.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Pikomaru\mogura]
"OutputDesktop"=dword:00000000

[HKEY_CURRENT_USER\Software\Pikomaru\mogura\Devide]
"Valid"=dword:00000001
"Type"=dword:00000000
"OutputIndex"=dword:00000001
REG
"$build/mogura-cli" make --settings "$demo/demo.reg" --folder "$demo/受信フォルダ" \
  --drawer 受信メール --kind pet --out "$demo/pages/pets.htm"
echo
echo "The pages are in $demo/pages/ (open pets.htm, the index, in a browser):"
ls "$demo/pages"
