#!/bin/bash
# The installer in a Wine prefix made for it alone: a silent install puts
# both programs, the Start-menu entry, the .ign association and the entry
# in the list of installed programs in place; the installed ign-convert.exe
# converts an example exactly; a silent uninstall leaves none of them.
#
#   installer.sh SETUP.exe EXAMPLES_DIR CONVERTED_DIR
set -euo pipefail

setup=$1
examples=$2
converted=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../../scripts/xsession.sh"
XsRequire Xvfb wine wineboot wineserver
[ -f "$setup" ] || XsFail "no installer $setup (makensis: scripts/install-deps.sh --windows)"

XsStart
export WINEPREFIX=$XS_DIR/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
Stop() {
  wineserver -k >/dev/null 2>&1 || true
  XsStop
}
trap Stop EXIT
passed=0
Ok() {
  echo "ok: $1"
  passed=$((passed + 1))
}

wineboot --init </dev/null >/dev/null 2>&1
programs=$WINEPREFIX/drive_c/Program\ Files/ign-converter
menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/ign-converter.lnk
type_key='HKLM\Software\Classes\IgnConverter.ParameterFile'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ign-converter'
# The value of NAME (or the default value) of KEY, empty when there is none.
Value() {
  local which=(/ve)
  [ $# -lt 2 ] || which=(/v "$2")
  wine reg query "$1" "${which[@]}" 2>/dev/null | sed -n 's/^ *[^ ]* *REG_[A-Z_]* *//p' | tr -d '\r'
}

wine "$setup" /S </dev/null >/dev/null 2>&1 || XsFail "the silent install failed"
for program in ign-converter.exe ign-convert.exe uninstall.exe; do
  [ -f "$programs/$program" ] || XsFail "no $program installed: $(ls "$programs" 2>&1)"
done
[ -f "$menu" ] || XsFail "no Start-menu entry"
[ "$(Value 'HKLM\Software\Classes\.ign')" = IgnConverter.ParameterFile ] || XsFail ".ign is not associated"
command=$(Value "$type_key\\shell\\open\\command")
[ "$command" = '"C:\Program Files\ign-converter\ign-converter.exe" "%1"' ] ||
  XsFail "the association opens: $command"
[ "$(Value "$uninstall_key" QuietUninstallString)" = '"C:\Program Files\ign-converter\uninstall.exe" /S' ] ||
  XsFail "no quiet uninstall in the list of installed programs"
Ok "silent install: both programs, Start menu, .ign opens $command"

cp "$examples/two-stroke-125.ign" "$XS_DIR/in.ign"
(cd "$XS_DIR" && wine "C:\\Program Files\\ign-converter\\ign-convert.exe" -f in.ign -o out.ign) ||
  XsFail "the installed ign-convert.exe failed"
cmp "$XS_DIR/out.ign" "$converted/two-stroke-125.ign" || XsFail "the installed ign-convert.exe converts otherwise"
Ok "the installed ign-convert.exe converts an example exactly"

# The uninstaller runs a copy of itself and returns at once.
wine "C:\\Program Files\\ign-converter\\uninstall.exe" /S </dev/null >/dev/null 2>&1 ||
  XsFail "the silent uninstall failed"
deadline=$((SECONDS + 30))
while [ -e "$programs" ] || [ -e "$menu" ]; do
  [ $SECONDS -lt $deadline ] || XsFail "left after uninstalling: $(ls "$programs" "$menu" 2>&1)"
  sleep 0.2
done
for key in 'HKLM\Software\Classes\.ign' "$type_key" "$uninstall_key"; do
  if wine reg query "$key" >/dev/null 2>&1; then XsFail "left after uninstalling: $key"; fi
done
Ok "silent uninstall: no program, no Start-menu entry, no association, no entry"
echo "$passed passed, 0 failed"
