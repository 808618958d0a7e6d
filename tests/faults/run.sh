#!/usr/bin/env bash
# Fault injection: applies each tests/faults/*.patch in turn to a scratch
# worktree of HEAD, builds, runs ctest and checks that some test fails.
# Usage: tests/faults/run.sh [BUILD_DIR]
# BUILD_DIR (default: a temporary folder, removed at the end) holds the
# worktree (tree/), the build (build/) and the logs (logs/); a given one is kept.
# The caller's working tree is never touched: the committed HEAD is tested,
# with the patches as they are in the caller's tests/faults/.
set -euo pipefail

faults=$(cd "$(dirname "$0")" && pwd)
repo=$(git -C "$faults" rev-parse --show-toplevel)
if [[ $# -ge 1 ]]; then
  work=$(mkdir -p "$1" && cd "$1" && pwd)
  keep=1
else
  work=$(mktemp -d "${TMPDIR:-/tmp}/pyk-faults.XXXXXX")
  keep=0
fi
tree=$work/tree build=$work/build logs=$work/logs
mkdir -p "$logs"

cleanup() {
  git -C "$repo" worktree remove --force "$tree" 2>/dev/null || true
  if [[ $keep == 0 ]]; then rm -rf "$work"; fi
}
trap cleanup EXIT

git -C "$repo" worktree remove --force "$tree" 2>/dev/null || true
git -C "$repo" worktree add -q --detach "$tree" HEAD
cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPYK_BENCH=OFF >"$logs/configure.log"

ctest_cmd=(ctest --test-dir "$build" --timeout 300 -j2 --output-on-failure)
if [[ -z ${DISPLAY:-} ]]; then ctest_cmd=(xvfb-run -a -s "-screen 0 1280x1024x24" "${ctest_cmd[@]}"); fi

# Builds and tests the tree as it is; prints the failing tests' names, one a line.
# Returns 1 when the build fails.
build_and_test() {
  local log=$1
  cmake --build "$build" -j2 >"$log.build" 2>&1 || return 1
  rm -f "$build/Testing/Temporary/LastTestsFailed.log"
  "${ctest_cmd[@]}" >"$log.ctest" 2>&1 || true
  # Lines of the form "NN:name".
  if [[ -f $build/Testing/Temporary/LastTestsFailed.log ]]; then
    cut -d: -f2- "$build/Testing/Temporary/LastTestsFailed.log"
  fi
}

start=$SECONDS
echo "unpatched HEAD $(git -C "$tree" rev-parse --short HEAD): full build and tests" >&2
if ! failed=$(build_and_test "$logs/unpatched"); then
  tail -n 30 "$logs/unpatched.build" >&2
  echo "the unpatched tree does not build" >&2
  exit 2
fi
if [[ -n $failed ]]; then
  echo "the unpatched tree fails tests:" >&2
  echo "$failed" >&2
  exit 2
fi

status=0
rows=()
for patch in "$faults"/*.patch; do
  name=$(basename "$patch" .patch)
  echo "$name" >&2
  if ! git -C "$tree" apply "$patch" 2>"$logs/$name.apply"; then
    rows+=("$(printf '%-36s %7s  %s' "$name" - "DOES NOT APPLY")")
    status=1
    continue
  fi
  if failed=$(build_and_test "$logs/$name"); then
    count=$(grep -c . <<<"$failed" || true)
    if [[ $count == 0 ]]; then
      rows+=("$(printf '%-36s %7d  %s' "$name" 0 "NOT CAUGHT")")
      status=1
    else
      first=$(head -n 4 <<<"$failed" | paste -sd, - | sed 's/,/, /g')
      [[ $count -gt 4 ]] && first+=", ..."
      rows+=("$(printf '%-36s %7d  %s' "$name" "$count" "$first")")
    fi
  else
    rows+=("$(printf '%-36s %7s  %s' "$name" - "DOES NOT BUILD")")
    status=1
  fi
  git -C "$tree" apply -R "$patch"
  git -C "$tree" diff --quiet  # the tree is back at HEAD
done

printf '%-36s %7s  %s\n' "fault" "failing" "first failing tests"
printf '%s\n' "${rows[@]}"
echo "HEAD $(git -C "$tree" rev-parse --short HEAD), $(( (SECONDS - start) / 60 )) min $(( (SECONDS - start) % 60 )) s"
exit $status
