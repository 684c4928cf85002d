#!/usr/bin/env bash
# Builds Tovenk and runs it. The 32-bit product is left in dist/Tovenk.exe for Windows users;
# on Linux the 64-bit twin runs under wine64 from run/ (its data folder stays there between runs),
# on the current X display or, without one, on a virtual display that this script starts.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)" --target Tovenk keeper
done
mkdir -p dist run
cp build/win32/Tovenk.exe dist/Tovenk.exe
cp build/win64/Tovenk.exe run/Tovenk.exe
echo "run: the Windows program is in $root/dist/Tovenk.exe"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "run: showing Tovenk on display $DISPLAY"
  export USE_DISPLAY=$DISPLAY
else
  echo "run: no X display here; starting a virtual one (Xvfb)"
fi
exec scripts/with-wine.sh "$(command -v bash)" -c '
  echo "run: Tovenk runs on display $DISPLAY (a screenshot: import -display $DISPLAY -window root shot.png)"
  cd run && "$WINE" Tovenk.exe
  echo "run: Tovenk ended with exit code $?"'
