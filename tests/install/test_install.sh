#!/usr/bin/env bash
# Installs the build into a staging folder (DESTDIR) under a prefix of its own
# and checks what a desktop needs there: both programs, the help file where an
# installed gridly looks for it, a valid desktop entry, the .gly type known by
# its name and by its magic, and the icon in the icon theme.
set -euo pipefail
build=$1 lookup=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
prefix=/opt/gridly-staged
DESTDIR=$stage/root cmake --install "$build" --prefix "$prefix" >/dev/null
root=$stage/root$prefix
for file in bin/gridly bin/gridly-tool share/gridly/gridly.hlp share/applications/gridly.desktop \
            share/mime/packages/gridly.xml share/icons/hicolor/scalable/apps/gridly.svg; do
    [ -f "$root/$file" ] || { echo "not installed: $file"; exit 1; }
done
[ ! -e "$prefix" ] || { echo "$prefix written outside the staging folder"; exit 1; }
"$root/bin/gridly-tool" --help | grep -q '^usage: gridly-tool'
desktop-file-validate "$root/share/applications/gridly.desktop"
grep -qx 'MimeType=application/x-gridly-puzzle;' "$root/share/applications/gridly.desktop"

update-mime-database "$root/share/mime"
printf 'GRIDLYPv1.00' >"$stage/puzzle-without-extension"
types=$(XDG_DATA_DIRS=$root/share "$lookup" "name:$stage/none.gly" "$stage/puzzle-without-extension")
[ "$types" = $'application/x-gridly-puzzle\napplication/x-gridly-puzzle' ] || {
    echo "by name, then by magic: $types"
    exit 1
}
echo "installed and recognised"
