#!/usr/bin/env bash
# Benchmark of mogura-cli make against the floor of reading the drawer and writing as many
# output bytes. Not a test: prints a table.
#   bench/run.sh [BUILD_DIR] [REPEATS]      default build/native, 3 repeats (best run counts)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build/native}
repeats=${2:-3}
cli=$build/mogura-cli
[ -x "$cli" ] || { echo "bench: build $cli first (scripts/test.sh --quick)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/single.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Pikomaru\mogura]
"OutputDesktop"=dword:00000000
REG
cp "$work/single.reg" "$work/month.reg"
printf '\n[HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura\\Devide]\n"Valid"=dword:00000001\n"Type"=dword:00000000\n"OutputIndex"=dword:00000001\n' >> "$work/month.reg"

# Runs "$@" $repeats times; sets best_s (seconds) and best_kb (peak resident KB) of the best run.
measure() {
  local s kb; best_s=""; best_kb=0
  for _ in $(seq "$repeats"); do
    /usr/bin/time -f '%e %M' -o "$work/time" "$@" >/dev/null 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
    read -r s kb < "$work/time"
    if [ -z "$best_s" ] || awk "BEGIN{exit !($s < $best_s)}"; then best_s=$s; best_kb=$kb; fi
  done
}

printf '| mails | output | drawer MB | time s | floor s | ratio | mails/s | drawer MB/s | peak RSS MB | kept mails MB |\n'
printf '|---:|---|---:|---:|---:|---:|---:|---:|---:|---:|\n'
for count in 1000 10000 100000; do
  folder=$work/r$count/
  python3 "$top/tools/make_drawers.py" bench "$folder" "$count"
  drawer=$(ls "$folder"*.krm)
  list=$(ls "$folder"*.krl)
  drawer_bytes=$(stat -c %s "$drawer")
  kept_bytes=$(python3 "$top/tools/make_drawers.py" kept "$folder" 2)
  for mode in single month; do
    rm -rf "$work/out"; mkdir -p "$work/out"
    measure "$cli" make --settings "$work/$mode.reg" --folder "$folder" --kind pet --out "$work/out/p.htm"
    out_bytes=$(cat "$work"/out/* | wc -c)
    t=$best_s; kb=$best_kb
    # The floor: read the list and the drawer once, write the same number of bytes.
    measure bash -c "cat '$list' '$drawer' >/dev/null && head -c $out_bytes /dev/zero > '$work/floor.out'"
    floor=$best_s
    awk -v c="$count" -v m="$mode" -v db="$drawer_bytes" -v t="$t" -v f="$floor" -v kb="$kb" -v kept="$kept_bytes" 'BEGIN {
      tt = (t > 0 ? t : 0.005); ff = (f > 0 ? f : 0.005);
      printf "| %d | %s | %.1f | %.2f | %.2f | %.1f | %.0f | %.1f | %.1f | %.1f |\n",
        c, m, db / 1e6, t, f, tt / ff, c / tt, db / 1e6 / tt, kb / 1024, kept / 1e6 }'
  done
done
