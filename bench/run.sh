#!/usr/bin/env bash
# Benchmark of mogura-cli make against the floor of reading the drawer and writing as many
# output bytes, for drawers whose texts lie in list order, reversed, shuffled or with gaps.
# Then the publishing table: the 100,000-mail drawer as one page in Shift_JIS and in UTF-8,
# and a second run over pages that are already there and unchanged; the two charsets run in
# turns, so that both meet the same state of the page cache.
# Not a test: prints the tables. Needs strace for the bytes read from the drawer.
#   bench/run.sh [BUILD_DIR] [REPEATS]      default build/native, 3 repeats (best run counts)
#   BENCH_TABLES=publish bench/run.sh ...   the publishing table only
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

# Runs "$@" $repeats times; sets best_s (seconds, to the millisecond) and best_kb (peak
# resident KB) of the best run.
measure() {
  local s kb start end; best_s=""; best_kb=0
  for _ in $(seq "$repeats"); do
    start=$EPOCHREALTIME
    /usr/bin/time -f '%M' -o "$work/time" "$@" >/dev/null 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
    end=$EPOCHREALTIME
    s=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
    read -r kb < "$work/time"
    if [ -z "$best_s" ] || awk "BEGIN{exit !($s < $best_s)}"; then best_s=$s; best_kb=$kb; fi
  done
}

# Bytes the run reads from the drawer file, counted from its system calls.
drawer_read_bytes() {
  strace -y -e trace=pread64,read,preadv,readv -o "$work/strace" "$@" >/dev/null 2>&1
  awk '/\.krm>/ { n = $NF; if (n ~ /^[0-9]+$/) total += n } END { printf "%.0f\n", total }' "$work/strace"
}

tables=${BENCH_TABLES:-reading publish}

if [[ $tables == *reading* ]]; then
printf '| mails | layout | output | drawer MB | needed MB | read MB | time s | floor s | ratio | mails/s | peak RSS MB | kept mails MB |\n'
printf '|---:|---|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n'
for count in 1000 10000 100000; do
  for layout in list reversed shuffled gaps; do
    folder=$work/r$count-$layout/
    python3 "$top/tools/make_drawers.py" bench "$folder" "$count" "$layout"
    drawer=$(ls "$folder"*.krm)
    list=$(ls "$folder"*.krl)
    drawer_bytes=$(stat -c %s "$drawer")
    kept_bytes=$(python3 "$top/tools/make_drawers.py" kept "$folder" 2)
    needed_bytes=$(python3 "$top/tools/make_drawers.py" ranges "$folder")
    modes="single month"
    [ "$layout" = list ] || modes=single  # the layouts change only the reading
    for mode in $modes; do
      rm -rf "$work/out"; mkdir -p "$work/out"
      # --rewrite: every repetition writes its pages, as a first run does.
      run=("$cli" make --settings "$work/$mode.reg" --folder "$folder" --kind pet --out "$work/out/p.htm" --rewrite)
      measure "${run[@]}"
      out_bytes=$(cat "$work"/out/* | wc -c)
      t=$best_s; kb=$best_kb
      read_bytes=$(drawer_read_bytes "${run[@]}")
      # The floor: read the list and the drawer once, write the same number of bytes.
      measure bash -c "cat '$list' '$drawer' >/dev/null && head -c $out_bytes /dev/zero > '$work/floor.out'"
      floor=$best_s
      awk -v c="$count" -v l="$layout" -v m="$mode" -v db="$drawer_bytes" -v nb="$needed_bytes" -v rb="$read_bytes" \
          -v t="$t" -v f="$floor" -v kb="$kb" -v kept="$kept_bytes" 'BEGIN {
        tt = (t > 0 ? t : 0.005); ff = (f > 0 ? f : 0.005);
        printf "| %d | %s | %s | %.1f | %.1f | %.1f | %.2f | %.2f | %.1f | %.0f | %.1f | %.1f |\n",
          c, l, m, db / 1e6, nb / 1e6, rb / 1e6, t, f, tt / ff, c / tt, kb / 1024, kept / 1e6 }'
    done
    rm -rf "$folder"
  done
done
fi

if [[ $tables == *publish* ]]; then
  count=100000
  folder=$work/publish/
  python3 "$top/tools/make_drawers.py" bench "$folder" "$count" list
  drawer=$(ls "$folder"*.krm)
  list=$(ls "$folder"*.krl)
  echo
  printf '| mails | output | charset | run | time s | floor s | ratio | to Shift_JIS | page MB | files written |\n'
  printf '|---:|---|---|---|---:|---:|---:|---:|---:|---:|\n'
  run_of() {  # run_of CHARSET: the make command of that charset, into its own folder
    run=("$cli" make --settings "$work/single.reg" --folder "$folder" --kind pet
         --out "$work/out-$1/p.htm" --charset "$1" --report)
  }
  for run_kind in first again; do
    extra=(); [ "$run_kind" = first ] && extra=(--rewrite)
    # The two charsets take turns, so that both meet the same state of the page cache and the
    # disk: their ratio is what the table is for.
    declare -A best=()
    for charset in shift_jis utf-8; do
      rm -rf "$work/out-$charset"; mkdir -p "$work/out-$charset"
      run_of "$charset"; "${run[@]}" >/dev/null 2>&1  # a second run finds these pages unchanged
    done
    for _ in $(seq "$repeats"); do
      for charset in shift_jis utf-8; do
        run_of "$charset"
        start=$EPOCHREALTIME
        "${run[@]}" "${extra[@]}" >/dev/null 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
        end=$EPOCHREALTIME
        s=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
        if [ -z "${best[$charset]:-}" ] || awk "BEGIN{exit !($s < ${best[$charset]})}"; then best[$charset]=$s; fi
      done
    done
    for charset in shift_jis utf-8; do
      run_of "$charset"
      t=${best[$charset]}
      written=$("${run[@]}" "${extra[@]}" 2>/dev/null | grep -c '^written' || true)
      page_bytes=$(stat -c %s "$work/out-$charset/p.htm")
      if [ "$run_kind" = first ]; then
        # The floor of a first run: read the list and the drawer once, write the page's bytes.
        measure bash -c "cat '$list' '$drawer' >/dev/null && head -c $page_bytes /dev/zero > '$work/floor.out'"
      else
        # The floor of a second run: read the list, the drawer and the existing page once.
        measure bash -c "cat '$list' '$drawer' '$work/out-$charset/p.htm' >/dev/null"
      fi
      awk -v c="$count" -v cs="$charset" -v r="$run_kind" -v t="$t" -v f="$best_s" -v s="${sjis_first:-$t}" \
          -v pb="$page_bytes" -v w="$written" 'BEGIN {
        tt = (t > 0 ? t : 0.005); ff = (f > 0 ? f : 0.005); ss = (s > 0 ? s : 0.005);
        printf "| %d | single | %s | %s | %.3f | %.3f | %.1f | %.2f | %.1f | %d |\n",
          c, cs, (r == "first" ? "first (--rewrite)" : "again, unchanged"), t, f, tt / ff, tt / ss, pb / 1e6, w }'
      [ "$run_kind" = first ] && [ "$charset" = shift_jis ] && sjis_first=$t
    done
    unset best
  done
fi
