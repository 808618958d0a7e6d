#!/usr/bin/env bash
# Builds Pyknoscope and runs it on a bundled sample map: prepares a start-up
# folder (run/) with the settings file and the samples, writes the density
# report of the rock-salt map's first (0 0 l) section there and shows it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$top/build" -j2

run="$top/run"
mkdir -p "$run"
cp "$top"/data/Pyknoscope.ini "$top"/data/*.fou "$top"/data/*.den "$top"/data/*.con "$run"/
cd "$run"
"$top/build/tools/report/pyknoscope-report" nacl.fou nacl.fmap nacl.con
echo "== $run/nacl.fmap =="
cat nacl.fmap
