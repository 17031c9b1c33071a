#!/usr/bin/env bash
# Runs a libFuzzer target (clang, AddressSanitizer and UndefinedBehaviorSanitizer).
#   fuzz/run.sh TARGET SECONDS     one target, e.g. drawer_reader_fuzzer
#   fuzz/run.sh all SECONDS        every target in turn, SECONDS each
# The build is build/fuzz; each target's corpus (build/fuzz/corpus/TARGET) grows from seeds
# our own writers make, and is kept between runs. A crash, a sanitizer report, a run slower
# than 1 s or a single allocation above 64 MB fails the run and leaves the input in
# build/fuzz/artifacts/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
[ $# -eq 2 ] || { echo "usage: fuzz/run.sh TARGET|all SECONDS" >&2; exit 2; }
target=$1 seconds=$2
build=$top/build/fuzz
mkdir -p "$build"
if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMOGURA_FUZZ=ON -DBUILD_TESTING=OFF >"$build.configure.log" 2>&1 \
    || { cat "$build.configure.log" >&2; exit 1; }
fi
targets=$target
if [ "$target" = all ]; then
  targets=$(cd "$top/src" && find . -name '*_fuzzer.cpp' -printf '%f\n' | sed 's/\.cpp$//' | sort)
fi
# shellcheck disable=SC2086
cmake --build "$build" -j 2 --target make_seeds $targets >"$build.build.log" 2>&1 \
  || { tail -n 40 "$build.build.log" >&2; exit 1; }
rm -rf "$build/seeds"
"$build/fuzz/make_seeds" "$build/seeds"
mkdir -p "$build/artifacts"
for t in $targets; do
  mkdir -p "$build/corpus/$t"
  log=$build/$t.log
  # ASan's own shadow memory counts towards the RSS, so the 64 MB apply to each allocation.
  if ! ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1 \
      "$build/fuzz/$t" -max_total_time="$seconds" -timeout=1 -malloc_limit_mb=64 -rss_limit_mb=1024 \
      -print_final_stats=1 -artifact_prefix="$build/artifacts/$t-" \
      "$build/corpus/$t" "$build/seeds/$t" >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "fuzz: $t found a fault; the input is in $build/artifacts/" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  echo "fuzz: $t: ${runs:-?} executions in $seconds s, no finding"
done
