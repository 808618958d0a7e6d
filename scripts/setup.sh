#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the benchmarks
# need. Idempotent: does nothing when they are all present.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev   # libFuzzer and the sanitizer runtimes
  qt6-base-dev libqt6opengl6-dev libx11-dev
  freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri   # OpenGL 1.1, GLU, GLUT text; Mesa's software renderer
  xvfb xauth                                        # an X display for the OpenGL tests
  locales                                           # localedef and the sources of a comma-decimal locale
  desktop-file-utils libxml2-utils                  # checks of the installed desktop entry and file types
  gemmi-dev zlib1g-dev                              # CCP4/MRC maps, also gzipped
  tao-pegtl-dev                                     # the CIF parser gemmi reads coordinate files with
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
