#!/usr/bin/env bash
# tests/wine_shortcuts/shortcut_lnkinfo_check.sh
# Shortcut files written by the program under Wine, read by a reader of our own choosing outside
# it, Debian's lnkinfo (liblnk-utils): target, working directory, arguments, icon location, window
# style 0, no description, no hotkey. Runs inside scripts/with-wine.sh ($WINE set):
#   shortcut_lnkinfo_check.sh path/to/wine_shortcut_writer_test.exe
set -euo pipefail
[ -n "${WINE:-}" ] || { echo "run inside scripts/with-wine.sh" >&2; exit 1; }
command -v lnkinfo >/dev/null || { echo "lnkinfo is missing (apt-get install liblnk-utils)" >&2; exit 1; }

out=$(mktemp -d /tmp/tovenk-lnkinfo.XXXXXX)
trap 'rm -rf "$out"' EXIT
# The test writes its shortcuts and a manifest of what each should hold into this folder (drive Z:
# is the Unix root).
TOVENK_SHORTCUT_OUT="Z:$(printf '%s' "$out" | tr / '\\')" \
  "$WINE" "$1" --gtest_filter=ShortcutWriterWine.TheShellReadsBackWhatWasWritten </dev/null
[ -s "$out/manifest.txt" ] || { echo "no manifest written" >&2; exit 1; }

status=0
checked=0
while IFS='|' read -r file target workdir args iconpath iconindex; do
  info=$(lnkinfo -c windows-936 "$out/$file")
  field() { printf '%s\n' "$info" | sed -n "s/^\t$1\t*: //p" | head -n 1; }
  expect() {
    local got
    got=$(field "$1")
    if [ "$got" != "$2" ]; then echo "$file: $1 is '$got', expected '$2'"; status=1; fi
  }
  expect "Local path" "$target"
  expect "Working directory" "$workdir"
  expect "Command line arguments" "$args"
  expect "Icon location" "$iconpath"
  expect "Icon index" "$iconindex"
  expect "Show Window value" "0x00000000"
  expect "Description" ""
  expect "Hot Key value" "0"
  checked=$((checked + 1))
done < <(iconv -f gbk -t utf-8 "$out/manifest.txt")
[ "$checked" -ge 4 ] || { echo "only $checked shortcuts checked" >&2; exit 1; }
[ $status -eq 0 ] && echo "lnkinfo agrees on all $checked shortcuts"
exit $status
