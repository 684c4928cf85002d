#!/usr/bin/env bash
# Runs a command inside a Wine session for Tovenk: a virtual X display (unless USE_DISPLAY is set),
# a fresh wine64 prefix in code page 936 with the fonts in place, one persistent wineserver and a
# keeper process for the desktop. Fails loudly when any of these cannot start.
#   scripts/with-wine.sh [--keeper path/keeper.exe] COMMAND [ARG...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
keeper="$root/build/win64/keeper.exe"
if [ "${1:-}" = --keeper ]; then keeper=$2; shift 2; fi
[ $# -gt 0 ] || { echo "usage: $0 [--keeper keeper.exe] COMMAND..." >&2; exit 2; }

export WINE=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
[ -x "$WINE" ] || { echo "with-wine: $WINE is missing (run scripts/setup.sh)" >&2; exit 1; }

session=$(mktemp -d /tmp/tovenk-wine.XXXXXX)
xvfb_pid=""
cleanup() {
  local rc=$?
  "$WINESERVER" -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$session"
  exit $rc
}
trap cleanup EXIT INT TERM

# A virtual display of our own, on the first free number.
if [ -n "${USE_DISPLAY:-}" ]; then
  export DISPLAY=$USE_DISPLAY
else
  # Xvfb picks a free display number itself and tells us, so parallel sessions never collide.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$session/display" >"$session/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$session/display" ] && break; sleep 0.1; done
  export DISPLAY=:$(tr -d '[:space:]' <"$session/display")
  for _ in $(seq 100); do xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && break; sleep 0.1; done
  xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 || { echo "with-wine: Xvfb did not start on $DISPLAY" >&2; cat "$session/xvfb.log" >&2; exit 1; }
fi

# A template prefix is made once per machine (about 15 s) and copied for every session.
template=${TOVENK_WINE_TEMPLATE:-/var/tmp/tovenk-wine-template}
exec 9>"$template.lock"
flock 9  # one session makes the template; the others wait for it
if [ ! -f "$template/.tovenk-ready" ]; then
  rm -rf "$template"; mkdir -p "$template"
  export WINEPREFIX=$template
  "$WINE" wineboot -i </dev/null >"$session/wineboot.log" 2>&1 || true
  "$WINESERVER" -w
  [ -f "$template/system.reg" ] || { echo "with-wine: wineboot could not make a prefix" >&2; tail -20 "$session/wineboot.log" >&2; exit 1; }
  cp /usr/share/wine/fonts/* "$template/drive_c/windows/Fonts/" 2>/dev/null || true
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
  "$WINESERVER" -w
  touch "$template/.tovenk-ready"
fi
export WINEPREFIX=$session/prefix
cp -a "$template" "$WINEPREFIX"
flock -u 9

"$WINESERVER" -p
"$WINE" wineboot </dev/null >/dev/null 2>&1 || { echo "with-wine: wineboot failed" >&2; exit 1; }
if [ -f "$keeper" ]; then
  "$WINE" "$keeper" </dev/null >/dev/null 2>&1 &
fi
# Prove that a Windows program really runs before handing over.
"$WINE" cmd /c exit 0 </dev/null >/dev/null 2>&1 || { echo "with-wine: wine64 cannot run programs" >&2; exit 1; }

"$@"
