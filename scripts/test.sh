#!/usr/bin/env bash
# Builds and runs every test: the normal build, the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of each
# fuzzer. Exits non-zero on the first failure.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
fuzz_seconds=${PYK_FUZZ_SECONDS:-20}

# The OpenGL tests draw under an X display: a private Xvfb unless one is given.
ctest_display() {
  if [ -n "${DISPLAY:-}" ]; then
    ctest "$@"
  else
    xvfb-run -a -s "-screen 0 1280x1024x24" ctest "$@"
  fi
}

echo "== build and test =="
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$top/build" -j2
ctest_display --test-dir "$top/build" --output-on-failure -j2

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
cmake -S "$top" -B "$top/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPYK_SANITIZE=ON >/dev/null
cmake --build "$top/build-asan" -j2
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest_display --test-dir "$top/build-asan" --output-on-failure -j2

echo "== fuzzers, ${fuzz_seconds} s each =="
cmake -S "$top" -B "$top/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++ -DPYK_FUZZ=ON -DPYK_TESTS=OFF -DPYK_BENCH=OFF >/dev/null
fuzzers="map_reader ccp4_reader con_reader ini_reader mesh_input meshout_reader model_reader"
cmake --build "$top/build-fuzz" -j2 --target $(printf 'fuzz_%s ' $fuzzers)
for f in $fuzzers; do
  corpus="$top/build-fuzz/corpus-$f"
  shipped="$top/build-fuzz/shipped-$f"
  mkdir -p "$corpus" "$shipped"
  # The shipped samples join the seeds of the readers they are written for.
  case $f in
    map_reader) cp "$top"/data/*.fou "$top"/data/*.den "$shipped"/ ;;
    con_reader) cp "$top"/data/*.con "$shipped"/ ;;
    ini_reader) cp "$top"/data/Pyknoscope.ini "$shipped"/ ;;
    model_reader) cp "$top"/data/*.cif "$shipped"/ ;;
  esac
  "$top/build-fuzz/fuzz/fuzz_$f" -max_total_time="$fuzz_seconds" -max_len=8192 -print_final_stats=0 \
    "$corpus" "$top/fuzz/seeds/$f" "$shipped" 2>&1 | tail -n 3
done
echo "== all tests passed =="
