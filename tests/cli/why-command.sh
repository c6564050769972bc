#!/bin/sh
# moxlet-cli why against a data folder holding the known-answer profiles
# (record 1: Ames, Ann, 1-3 syllables, studied A (ă), B, D, Closed Syllable,
# BL, Rote Words) and the shipped word base: its answers and exit statuses.
#   why-command.sh MOXLET-CLI PROFILES.DAT
set -u
cli=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
profiles=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$profiles" "$dir/PROFILES.DAT"
cd "$dir" || exit 1
failures=0

# expect STATUS OUTPUT ARGS...: the exit status and the first line printed.
expect() {
    want_status=$1 want_out=$2
    shift 2
    out=$("$cli" why "$@" 2>&1 | head -n 1)
    "$cli" why "$@" >/dev/null 2>&1
    status=$?
    if [ "$status" != "$want_status" ] || [ "$out" != "$want_out" ]; then
        echo "why $*: got $status \"$out\", want $want_status \"$want_out\""
        failures=$((failures + 1))
    fi
}

expect 0 '“bad” is offered.' 1 bad --segment 10
expect 0 '“bad” is offered.' 1 bad --segment 'A (ă)'
expect 0 '“bad” is offered in the Review lists of A (ă), B, D, Closed Syllable.' 1 Bad
expect 1 '“bad” contains no segment this student has not studied, so no New list offers it.' 1 bad --new
expect 1 '“cab” needs a segment this student has not studied: C (k).' 1 cab --segment B
expect 0 '“cab” is offered.' 1 cab --segment 'C (k)' --new
expect 1 '“bad” does not contain TR.' 1 bad --segment TR
expect 1 '“zzxq” is not in Moxlet'"'"'s word base.' 1 zzxq
expect 2 'moxlet-cli: there is no student 2 in PROFILES.DAT of this folder' 2 bad
expect 2 'moxlet-cli: no word segment is called "XYZ"' 1 bad --segment XYZ
expect 2 'usage: moxlet-cli why N WORD [--segment S] [--new] [--offset K]' 1
expect 2 'moxlet-cli: --offset belongs to one list: give its --segment too' 1 bad --offset 1
exit $failures
