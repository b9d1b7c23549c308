#!/bin/sh
# Builds the Debian package into a temporary folder and checks that it holds
# what a double click and a class installation need: both programs, the
# desktop entry, the icons, the matrix file type, help pages and examples,
# with dependencies that bring Qt's X11 platform plugin.
# Usage: package_contents.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "package_contents: $*" >&2
    exit 1
}

(cd "$build" && cpack -B "$tmp" >"$tmp/cpack.log" 2>&1) || {
    cat "$tmp/cpack.log"
    fail "cpack failed"
}
deb=$(ls "$tmp"/lineon_*.deb)
dpkg-deb -c "$deb" | awk '{print $6}' >"$tmp/files"
for f in ./usr/bin/lineon ./usr/bin/lineon-cli \
    ./usr/share/applications/lineon.desktop \
    ./usr/share/mime/packages/lineon-matrix.xml \
    ./usr/share/icons/hicolor/scalable/apps/lineon.svg \
    ./usr/share/icons/hicolor/48x48/apps/lineon.png \
    ./usr/share/doc/lineon/html/index.html \
    ./usr/share/doc/lineon/examples/gleichungssystem.mtx; do
    grep -qx "$f" "$tmp/files" || fail "missing $f"
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation; do
    echo "$depends" | grep -q "$d" || fail "Depends lacks $d"
done
# The desktop entry opens the file type the package declares.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/lineon.desktop |
    grep -qx 'MimeType=application/x-lineon-matrix;' || fail "desktop entry without the file type"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/mime/packages/lineon-matrix.xml |
    grep -q 'type="application/x-lineon-matrix"' || fail "file type not declared"
echo "package_contents: $(basename "$deb"), $(wc -l <"$tmp/files") entries"
