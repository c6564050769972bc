#!/bin/sh
# The moxlet-cli manual page describes every command the program lists.
#   manual-page.sh MOXLET-CLI MOXLET-CLI.1
set -u
cli=$1 page=$2
commands=$("$cli" 2>&1 | sed -n 's/^  \([a-z-][a-z-]*\).*/\1/p')
[ -n "$commands" ] || { echo "moxlet-cli listed no commands"; exit 1; }
failures=0
for c in $commands; do
    if ! sed 's/\\-/-/g' "$page" | grep -q "^\.B[R]* $c\b"; then
        echo "the manual page lacks the command $c"
        failures=$((failures + 1))
    fi
done
exit $failures
