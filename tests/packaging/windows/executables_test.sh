#!/usr/bin/env bash
# Each Windows program stands alone, importing only DLLs that Windows itself ships (those of
# the Wine prefix's system32), and carries Windows' hardening: a random 64-bit load address,
# data that cannot run, and the stack protector.
# Usage: executables_test.sh OBJDUMP PROGRAM.exe...
set -uo pipefail
objdump=$1
system32=${WINEPREFIX:?run under scripts/with-wine}/drive_c/windows/system32
status=0
fail() { echo "$(basename "$program") $*" >&2; status=1; }
for program in "${@:2}"; do
    headers=$("$objdump" -p "$program")
    dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | xargs)
    echo "$(basename "$program") imports $dlls"
    for dll in $dlls; do
        [ -n "$(find "$system32" -maxdepth 1 -iname "$dll")" ] ||
            fail "needs $dll, which Windows lacks"
    done
    for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
        grep -qw "$flag" <<<"$headers" || fail "lacks $flag"
    done
    grep -q __stack_chk_fail <<<"$("$objdump" -t "$program")" || fail "has no stack protector"
done
exit "$status"
