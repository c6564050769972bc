#!/usr/bin/env bash
# Times the start of Moxlet (process start to idle main window, no splash)
# against a bare Qt window, N runs each, alternating, in a fresh data folder.
# usage: bench/startup.sh BUILD-DIR [N]   (run under xvfb-run or a desktop)
set -euo pipefail
build=${1:?build directory}
n=${2:-30}
probe="$(cd "$build" && pwd)/bin/startup-probe"
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
cd "$data"
"$probe" moxlet >/dev/null 2>&1; "$probe" bare >/dev/null 2>&1  # warm the caches
declare -A total=([moxlet]=0 [bare]=0)
for ((i = 0; i < n; i++)); do
    for mode in moxlet bare; do
        start=$(date +%s%N)
        "$probe" "$mode" >/dev/null 2>&1
        total[$mode]=$(( total[$mode] + $(date +%s%N) - start ))
    done
done
for mode in moxlet bare; do
    echo "$mode: mean $(( total[$mode] / n / 1000000 )) ms over $n runs"
done
