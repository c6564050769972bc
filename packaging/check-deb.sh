#!/usr/bin/env bash
# Checks a built Moxlet package as a tutor's computer would receive it: unpacks
# it (dpkg-deb -x) and checks that every file is where Debian and the desktop
# look for it, the dependencies, the menu entry and the AppStream metadata
# (their validators), the moxlet-cli manual page against the program's own
# commands, and that the packaged programs find their libraries and the
# packaged word base.  Then runs lintian, when it is installed, and prints its
# findings (they are reported, not fatal).
# usage: packaging/check-deb.sh PACKAGE.deb
set -euo pipefail
deb=${1:?usage: check-deb.sh PACKAGE.deb}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
failed=0
fail() { echo "check-deb: $*"; failed=1; }

echo "== $(basename "$deb"): $(du -h "$deb" | cut -f1), installed $(dpkg-deb -f "$deb" Installed-Size) kB"

# Everything under /usr, and each file where it belongs.
outside=$(find "$root" -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "files outside /usr: $outside"
for f in bin/moxlet bin/moxlet-cli bin/moxlet-launch \
         share/moxlet/WORDBASE.WDB share/moxlet/moxlet.qch share/moxlet/moxlet.qhc \
         share/applications/moxlet.desktop share/icons/hicolor/scalable/apps/moxlet.svg \
         share/man/man1/moxlet-cli.1.gz share/man/man1/moxlet.1.gz share/man/man1/moxlet-launch.1.gz \
         share/doc/moxlet/copyright share/doc/moxlet/changelog.gz; do
    [ -f "$root/usr/$f" ] || fail "missing /usr/$f"
done
metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
[ ${#metainfo[@]} -eq 1 ] && [ -f "${metainfo[0]}" ] || fail "expected one AppStream metainfo file"

# Dependencies: the libraries computed from the binaries, and the font.
depends=$(dpkg-deb -f "$deb" Depends)
for d in fonts-sil-andika libqt6sql6-sqlite libqt6core6 libqt6widgets6 libqt6help6 libstdc++6; do
    grep -q "\b$d\b" <<<"$depends" || fail "Depends lacks $d: $depends"
done
for program in moxlet moxlet-cli; do
    missing=$(ldd "$root/usr/bin/$program" | grep "not found" || true)
    [ -z "$missing" ] || fail "$program: libraries not found: $missing"
done

# The menu entry starts an installed program with the installed icon.
desktop="$root/usr/share/applications/moxlet.desktop"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root/usr/bin/$exec_name" ] || fail "the menu entry starts $exec_name, which is not in /usr/bin"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the menu entry's icon $icon is not installed"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refused the menu entry"
fi
appstreamcli validate --no-net "${metainfo[0]}" || fail "appstreamcli refused the metainfo file"
id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "${metainfo[0]}")
[ "$(basename "${metainfo[0]}")" = "$id.metainfo.xml" ] || fail "the metainfo file is not named after its id $id"

# The manual page describes every command moxlet-cli has.
page=$(zcat "$root/usr/share/man/man1/moxlet-cli.1.gz" | sed 's/\\-/-/g')
commands=$("$root/usr/bin/moxlet-cli" 2>&1 | sed -n 's/^  \([a-z-][a-z-]*\).*/\1/p' || true)
[ -n "$commands" ] || fail "moxlet-cli listed no commands"
for c in $commands; do
    grep -q "^\.B[R]* $c\b" <<<"$page" || fail "the moxlet-cli manual page lacks the command $c"
done

# The packaged moxlet-cli reads the packaged word base (found beside it).
data=$(mktemp -d)
if ! word=$(cd "$data" && "$root/usr/bin/moxlet-cli" word cat); then fail "moxlet-cli word cat failed"; fi
rm -rf "$data"
grep -q $'^cat\t1\t' <<<"$word" || fail "the packaged word base does not hold 'cat': $word"

if command -v lintian >/dev/null; then
    findings=$(lintian --display-info --pedantic --tag-display-limit 0 "$deb" 2>/dev/null | grep -E '^[EWIPX]: ' || true)
    echo "== lintian: $(grep -c . <<<"$findings" || true) finding(s)"
    [ -z "$findings" ] || echo "$findings"
else
    echo "== lintian is not installed; skipped"
fi

[ $failed -eq 0 ] && echo "== the package is complete"
exit $failed
