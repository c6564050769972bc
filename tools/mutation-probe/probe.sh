#!/usr/bin/env bash
# How many faults do the tests catch?  Applies each one-line change of
# mutations.tsv (a file, one of its lines exactly, a replacement) to the
# sources, one at a time, builds everything in build/mutation and runs every
# test offscreen.  A mutation is
#   killed    when a test fails (or times out),
#   survived  when every test passes,
#   invalid   when it does not build,
#   missing   when its line is not in the file (exactly once) any more.
# The file is restored after each mutation, and on any exit.
#
#   nice -n 15 tools/mutation-probe/probe.sh [SOURCE-DIR] [N...]
#
# SOURCE-DIR (default: this checkout) is the tree to mutate and build; give
# a copy (git archive HEAD | tar -x -C DIR) to keep working meanwhile.
# N... probes only those mutations (numbered from 1), in that order.  Each
# result is a line on stdout and in SOURCE-DIR/build/mutation/probe-results.tsv.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
mutations="$here/mutations.tsv"
src=$(cd "${1:-$here/../..}" && pwd)
shift || true
build="$src/build/mutation"
results="$build/probe-results.tsv"
jobs=2

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" >/dev/null

build_all() { cmake --build "$build" -j "$jobs" >"$build/probe-build.log" 2>&1; }
# Core's own tests run first, then the window and command-line tests, and
# the word base builder's last (they take the longest and rarely see a
# fault in core), so a caught fault is known sooner.  Every test runs when
# no test fails.
run_tests() {
    : >"$build/probe-test.log"
    for labels in "-L core" "-LE core|wordbase" "-L wordbase"; do
        # shellcheck disable=SC2086
        QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" -j "$jobs" --timeout 300 --stop-on-failure \
            $labels >>"$build/probe-test.log" 2>&1 || return 1
    done
}
first_failure() {
    sed -n '/tests FAILED:/,$p' "$build/probe-test.log" | grep -m1 -oE '[0-9]+ - [^ ]+' | sed 's/^[0-9]* - //' || true
}

echo "Building and testing the unchanged sources..."
build_all || { echo "The unchanged sources do not build: see $build/probe-build.log"; exit 1; }
run_tests || { echo "A test fails without any mutation: see $build/probe-test.log"; exit 1; }

saved=""
target=""
restore() { if [ -n "$saved" ]; then cp "$saved" "$target" && rm -f "$saved"; saved=""; fi; }
trap restore EXIT INT TERM

# The mutations, numbered from 1 in file order; N... probes those, in the
# order given.
mapfile -t rows < <(grep -vE '^(#|$)' "$mutations")
order=("$@")
[ ${#order[@]} -gt 0 ] || mapfile -t order < <(seq 1 "${#rows[@]}")
killed=0 survived=0 invalid=0 missing=0
printf '#\tresult\tfile\tfirst failing test\n' >"$results"
for n in "${order[@]}"; do
    IFS=$'\t' read -r file original replacement <<<"${rows[n - 1]}"
    target="$src/$file"
    detail=""
    if [ ! -f "$target" ] || [ "$(grep -cxF -- "$original" "$target")" != 1 ]; then
        result=missing
        missing=$((missing + 1))
    else
        saved="$build/probe-original"
        cp "$target" "$saved"
        ORIGINAL="$original" REPLACEMENT="$replacement" awk '
            $0 == ENVIRON["ORIGINAL"] { print ENVIRON["REPLACEMENT"]; next } { print }' "$saved" >"$target"
        if ! build_all; then
            result=invalid
            invalid=$((invalid + 1))
        elif run_tests; then
            result=survived
            survived=$((survived + 1))
        else
            result=killed
            killed=$((killed + 1))
            detail=$(first_failure)
        fi
        restore
    fi
    printf '%s\t%s\t%s\t%s\n' "$n" "$result" "$file" "$detail" | tee -a "$results"
done

# Leave the build matching the unchanged sources.
build_all || true
echo "killed $killed, survived $survived, invalid $invalid, missing $missing (of ${#order[@]})"
