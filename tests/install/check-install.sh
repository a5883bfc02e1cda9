#!/bin/sh
# Installs the build in $1 under the prefix $2 and checks the installed files:
# both programs run, the desktop entry and the AppStream file validate, the
# icons have their sizes, the MIME type names *.ign.
set -eu
build=$1
prefix=$2
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
need() { [ -f "$prefix/$1" ] || fail "missing $1"; }

id=io.github.ignconverter.IgnConverter
for f in bin/ign-convert bin/ign-converter \
         share/man/man1/ign-convert.1 share/man/man1/ign-converter.1 \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/mime/packages/ign-converter.xml \
         share/icons/hicolor/32x32/apps/ign-converter.png \
         share/icons/hicolor/48x48/apps/ign-converter.png \
         share/icons/hicolor/scalable/apps/ign-converter.svg; do
  need "$f"
done

"$prefix/bin/ign-convert" --version >/dev/null || fail "installed ign-convert does not run"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo"
grep -q 'Name\[de\]=' "$prefix/share/applications/$id.desktop" || fail "no German name"
grep -q 'Comment\[fr\]=' "$prefix/share/applications/$id.desktop" || fail "no French comment"
grep -q '^Exec=ign-converter %f$' "$prefix/share/applications/$id.desktop" || fail "Exec takes no file"
grep -q '^StartupWMClass=ign-converter$' "$prefix/share/applications/$id.desktop" || fail "no StartupWMClass"
grep -q '<generic-icon name=' "$prefix/share/mime/packages/ign-converter.xml" || fail "mime generic-icon"
grep -q '<glob pattern="\*.ign"/>' "$prefix/share/mime/packages/ign-converter.xml" || fail "mime glob"
grep -q '<sub-class-of type="text/plain"/>' "$prefix/share/mime/packages/ign-converter.xml" || fail "mime parent"
grep -q '<comment>Ignition Parametrs</comment>' "$prefix/share/mime/packages/ign-converter.xml" || fail "mime comment"

# Width and height from the PNG header (big-endian, bytes 16 to 23).
size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}'; }
[ "$(size "$prefix/share/icons/hicolor/32x32/apps/ign-converter.png")" = "32 32" ] || fail "32 px icon size"
[ "$(size "$prefix/share/icons/hicolor/48x48/apps/ign-converter.png")" = "48 48" ] || fail "48 px icon size"

for page in ign-convert ign-converter; do
  grep -q '^\.TH ' "$prefix/share/man/man1/$page.1" || fail "man page $page"
done
echo "install layout ok"
