#!/bin/sh
# Builds the libFuzzer targets with clang in build/fuzz and runs each for a
# short while (FUZZ_SECONDS, default 20).  Exit status is not 0 when a target
# finds a crash or an assertion.  Usage: fuzz/run-briefly.sh
#
# Each target starts from its committed seeds in fuzz/corpus/<target> (read
# only) and from what earlier runs found in build/fuzz/corpus/<target>,
# where new units go.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"
seconds="${FUZZ_SECONDS:-20}"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMOXLET_FUZZ=ON -DMOXLET_UI=OFF -DMOXLET_TESTS=OFF >/dev/null
targets=$(cd "$root/fuzz" && ls *Fuzz.cpp | sed 's/\.cpp$//')
# shellcheck disable=SC2086
ninja -C "$build" $targets

status=0
for t in $targets; do
  exe=$(find "$build" -type f -name "$t" -perm -u+x | head -n 1)
  corpus="$build/corpus/$t"
  seeds="$root/fuzz/corpus/$t"
  mkdir -p "$corpus"
  # A data folder holds several files: a plan file of two lessons alone is
  # 19200 bytes.
  case "$t" in
    DataFolderFuzz) max_len=40000 ;;
    *) max_len=10000 ;;
  esac
  set -- "$corpus"
  if [ -d "$seeds" ]; then set -- "$@" "$seeds"; fi
  echo "== $t ($seconds s)"
  if ! "$exe" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 \
      -artifact_prefix="$build/$t-" "$@" >"$build/$t.log" 2>&1; then
    status=1
    echo "!! $t failed; log: $build/$t.log"
  fi
  tail -n 8 "$build/$t.log"
done
exit $status
