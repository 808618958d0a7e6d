#!/usr/bin/env bash
# Makes the help page's pictures (data/help/*.png) with pyknoscope-render from
# the shipped samples. Needs a Release build in build/ and an X display (Xvfb).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
render="$top/build/tools/render/pyknoscope-render"
cd "$top/data"
"$render" --size 640x480 --section 23 --sigma-step 3 --symmetric --dashed --peaks \
  aspirin-diff.fou aspirin-diff.con help/aspirin-diff-3sigma.png
"$render" --size 640x480 --section 16 --peaks aspirin-patt.fou aspirin-patt.con help/aspirin-patt-harker.png
"$render" --size 640x480 --section 24 --peaks aspirin.fou aspirin.con help/aspirin-peaks.png
"$render" --size 640x480 --section 24 --model aspirin.cif aspirin.fou aspirin.con help/aspirin-model.png
