#!/bin/sh
# Installs the build into a scratch root and checks what a Linux user gets:
# the files in their places, a valid desktop entry and file-type list, and a
# launcher that prepares the working folder and starts the viewer from there.
# usage: install_test.sh BUILD_DIR
set -eu
build=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
root=$dest/usr
fail() { echo "install test: $*" >&2; exit 1; }
for f in bin/pyknoscope bin/pyknoscope-launch libexec/pyknoscope/mesh \
         share/pyknoscope/Pyknoscope.ini share/pyknoscope/PyknoscopeHelp.html \
         share/pyknoscope/samples/aspirin.fou share/pyknoscope/samples/aspirin.con share/pyknoscope/samples/aspirin.cif \
         share/applications/pyknoscope.desktop share/mime/packages/pyknoscope.xml \
         share/pixmaps/pyknoscope.xpm; do
  [ -e "$root/$f" ] || fail "missing $f"
done
cmp -s "$root/share/pyknoscope/Pyknoscope.ini" "$(dirname "$0")/../../data/Pyknoscope.ini" || fail "settings differ"
desktop-file-validate "$root/share/applications/pyknoscope.desktop" || fail "desktop entry invalid"
for t in fou den con; do
  grep -q "application/x-pyknoscope-$t;" "$root/share/applications/pyknoscope.desktop" || fail "no MIME type $t"
  grep -q "\"\*\.$t\"" "$root/share/mime/packages/pyknoscope.xml" || fail "no glob for .$t"
done
grep -q "application/x-ccp4-map;" "$root/share/applications/pyknoscope.desktop" || fail "no MIME type for CCP4 maps"
grep -q 'value="MAP "' "$root/share/mime/packages/pyknoscope.xml" || fail "no CCP4 signature"
xmllint --noout "$root/share/mime/packages/pyknoscope.xml" || fail "file types not well-formed"

# The launcher prepares its folder and runs the viewer there.
folder=$dest/work
out=$(PYKNOSCOPE_FOLDER=$folder "$root/bin/pyknoscope-launch" --version) || fail "launcher --version failed"
[ "$out" = "Pyknoscope Version 1.0 (1.0.0.1)" ] || fail "launcher said: $out"
[ -f "$folder/Pyknoscope.ini" ] && [ -f "$folder/PyknoscopeHelp.html" ] || fail "folder not prepared"
[ -x "$folder/mesh" ] || fail "no mesh program in the folder"
# The mesh program there runs: without meshinp it says so and fails.
if (cd "$folder" && ./mesh 2>"$dest/mesh.err"); then fail "mesh without meshinp succeeded"; fi
grep -q meshinp "$dest/mesh.err" || fail "mesh message: $(cat "$dest/mesh.err")"
# A settings file the user changed is kept.
echo "; mine" >>"$folder/Pyknoscope.ini"
PYKNOSCOPE_FOLDER=$folder "$root/bin/pyknoscope-launch" --version >/dev/null
grep -q "; mine" "$folder/Pyknoscope.ini" || fail "user settings replaced"
# A mesh link left dangling by an installation that moved is renewed.
rm "$folder/mesh" && ln -s "$dest/gone/mesh" "$folder/mesh"
PYKNOSCOPE_FOLDER=$folder "$root/bin/pyknoscope-launch" --version >/dev/null || fail "launcher failed on a dangling mesh link"
[ -x "$folder/mesh" ] || fail "dangling mesh link not renewed"
# A map opened from the file manager: report and contour file beside it,
# named from the file name only (a stand-in viewer shows the arguments).
printf '#!/bin/sh\necho "$@"\n' >"$root/bin/pyknoscope"
maps=$dest/maps-1.2
mkdir -p "$maps"
for row in "aspirin.fou|$maps/aspirin.fou $maps/aspirin.fmap $maps/aspirin.con" \
           "aspirin.v2.den|$maps/aspirin.v2.den $maps/aspirin.v2.dmap $maps/aspirin.v2.con" \
           "lys|$maps/lys $maps/lys.fmap $maps/lys.con"; do
  out=$(PYKNOSCOPE_FOLDER=$folder "$root/bin/pyknoscope-launch" "$maps/${row%%|*}")
  [ "$out" = "${row#*|}" ] || fail "launcher started the viewer with: $out"
done
echo "install test: passed"
