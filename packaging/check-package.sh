#!/bin/sh
# Checks a built .deb the way the distribution would: the desktop entry, the
# AppStream metadata and the manual page as they are inside the package, then
# lintian over the whole package. Any error fails; lintian's warnings are
# printed for the record (README lists the ones that stay, and why).
#
# usage: packaging/check-package.sh PACKAGE.deb
set -eu

deb=${1:?usage: check-package.sh PACKAGE.deb}
[ -f "$deb" ] || { echo "check-package: no package '$deb'" >&2; exit 2; }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

echo "desktop-file-validate:"
desktop-file-validate "$root/usr/share/applications/tavernrush.desktop"
echo "  clean"

echo "appstreamcli validate:"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.tavernrush.Tavernrush.metainfo.xml"

echo "manual page:"
# groff's own warnings (-ww) on the page as installed; man's text goes nowhere.
warnings=$(zcat "$root/usr/share/man/man6/tavernrush.6.gz" | LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 2>&1)
if [ -n "$warnings" ]; then
    printf '%s\n' "$warnings"
    exit 1
fi
echo "  clean"

echo "lintian:"
lintian --fail-on error "$deb"
echo "  no errors"
