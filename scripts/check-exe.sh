#!/usr/bin/env bash
# Checks that a built Tovenk.exe is a GUI-subsystem PE of the expected kind that imports only
# DLLs shipped with Windows (so it runs from any folder without installation).
set -euo pipefail
exe=$1 format=$2
case $format in pei-i386) objdump=i686-w64-mingw32-objdump ;; *) objdump=x86_64-w64-mingw32-objdump ;; esac
headers=$("$objdump" -p "$exe")
grep -q "file format $format" <<<"$headers" || { echo "check-exe: $exe is not $format" >&2; exit 1; }
grep -Eq '^Subsystem[[:space:]]+0*2[[:space:]]' <<<"$headers" || { echo "check-exe: $exe is not a GUI-subsystem program" >&2; exit 1; }
allowed='^(kernel32|user32|gdi32|gdiplus|shell32|comctl32|comdlg32|ole32|oleaut32|advapi32|winmm|msvcrt|shlwapi|uxtheme|version)\.dll$'
bad=0
while read -r dll; do
  if ! grep -Eiq "$allowed" <<<"$dll"; then echo "check-exe: $exe imports $dll, which Windows does not ship" >&2; bad=1; fi
done < <(grep 'DLL Name:' <<<"$headers" | awk '{print $3}')
[ $bad = 0 ] || exit 1
echo "check-exe: $exe ok ($format, GUI, imports: $(grep 'DLL Name:' <<<"$headers" | awk '{print $3}' | tr '\n' ' '))"
