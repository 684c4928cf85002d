#!/usr/bin/env bash
# Builds the benchmark programs of the win64 preset and runs each one under Wine (one session for
# all), printing their figures. It judges nothing.
#   scripts/bench.sh            build/win64 through the preset
#   BENCH_BUILD_DIR=build/x scripts/bench.sh   another 64-bit build folder (configured if needed)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

benches=()
for source in bench/*_bench.cpp; do benches+=("$(basename "$source" .cpp)"); done
[ ${#benches[@]} -gt 0 ] || { echo "bench: no bench/*_bench.cpp" >&2; exit 1; }

if [ -n "${BENCH_BUILD_DIR:-}" ]; then
  build=$BENCH_BUILD_DIR
  cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" --target keeper Tovenk "${benches[@]}"
else
  build=build/win64
  cmake --preset win64 >/dev/null
  cmake --build --preset win64
fi

programs=()
for name in "${benches[@]}"; do
  for candidate in "$build/$name.exe" "$build/bench/$name.exe"; do
    if [ -f "$candidate" ]; then programs+=("$candidate"); break; fi
  done
done
[ ${#programs[@]} -gt 0 ] || { echo "bench: no benchmark program was built under $build" >&2; exit 1; }

scripts/with-wine.sh --keeper "$build/keeper.exe" bash -c '
  status=0
  for program in "$@"; do
    printf "\n==== %s\n" "$(basename "$program")"
    rc=0
    "$WINE" "$program" </dev/null || rc=$?
    if [ $rc -ne 0 ]; then echo "($(basename "$program") exited with $rc)"; status=1; fi
  done
  exit $status' bench "${programs[@]}"
