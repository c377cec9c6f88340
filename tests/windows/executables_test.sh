#!/usr/bin/env bash
# Each Windows program stands alone and carries Windows' form of the hardening: it imports
# only DLLs that Windows itself ships (those of the Wine prefix's system32), loads at a
# random 64-bit address with data that cannot run (DYNAMIC_BASE, HIGH_ENTROPY_VA,
# NX_COMPAT), and has the stack protector linked in.
# Usage: executables_test.sh OBJDUMP PROGRAM.exe...
set -euo pipefail
objdump=$1
shift
system32=${WINEPREFIX:?run under scripts/with-wine}/drive_c/windows/system32

status=0
for program in "$@"; do
    name=$(basename "$program")
    headers=$("$objdump" -p "$program")
    dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '\n' ' ')
    echo "$name imports $dlls"
    for dll in $dlls; do
        [ -n "$(find "$system32" -maxdepth 1 -iname "$dll")" ] ||
            { echo "$name imports $dll, which is not part of Windows" >&2; status=1; }
    done
    for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
        grep -qw "$flag" <<<"$headers" || { echo "$name lacks $flag" >&2; status=1; }
    done
    grep -q '__stack_chk_fail' <<<"$("$objdump" -t "$program")" ||
        { echo "$name has no stack protector" >&2; status=1; }
done
exit "$status"
