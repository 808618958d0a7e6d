#!/usr/bin/env bash
# Builds Pyknoscope and opens the viewer on the bundled aspirin map. The viewer
# reads Pyknoscope.ini, runs the mesh program and finds its help page in the
# folder it starts from, so this prepares such a folder (run/) with those and
# the sample maps, and starts the viewer there.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$top/build" -j2 --target pyknoscope mesh

run="$top/run"
mkdir -p "$run"
cp "$top"/data/Pyknoscope.ini "$top"/data/PyknoscopeHelp.html "$top"/data/*.fou "$top"/data/*.den \
  "$top"/data/*.con "$top"/data/*.cif "$run"/
cp -r "$top"/data/help "$run"/
cp "$top/build/src/mesh/mesh" "$run/mesh"
cd "$run"
exec "$top/build/src/app/pyknoscope" aspirin.fou aspirin.fmap aspirin.con
