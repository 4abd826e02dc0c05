#!/usr/bin/env bash
# The 32-bit DLL as DBP's loader meets it: an i386 image, DBP's decorated lifecycle exports,
# and imports from Windows system DLLs only (the C and C++ runtimes are linked in).
set -u
dll="$1"
dump=$(i686-w64-mingw32-objdump -p "$dll") || { echo "cannot read $dll"; exit 1; }
failed=0
grep -q "file format pei-i386" <<<"$(i686-w64-mingw32-objdump -f "$dll")" || { echo "not a 32-bit image"; failed=1; }
for name in '?Constructor@@YAXXZ' '?Destructor@@YAXXZ' '?ReceiveCoreDataPtr@@YAXPAX@Z' CreateGadget DeleteAllGadgets PMsg; do
  grep -qF "] $name" <<<"$dump" || { echo "missing export $name"; failed=1; }
done
system='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|oleaut32|advapi32|wininet|winmm|msvcrt|riched20|msimg32|uxtheme|winspool\.drv)(\.dll)?$'
while read -r name; do
  if ! grep -qiE "$system" <<<"$name"; then echo "imports a non-system DLL: $name"; failed=1; fi
done < <(awk '/DLL Name:/ {print $3}' <<<"$dump")
[ "$failed" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$failed"
