#!/usr/bin/env bash
# Each injected run-time error must be reported on stderr and in a message box, end the
# program with a failure status, and never hang.
set -u
program=$1
failures=0

expect_fault() {
    local fault=$1 report=$2
    local out err status
    out=$(mktemp) err=$(mktemp)
    TALLYGLYPH_FAULT=$fault QT_QPA_PLATFORM=offscreen timeout 20 "$program" >"$out" 2>"$err"
    status=$?
    if [ "$status" -eq 124 ]; then
        echo "FAIL $fault: hung"; failures=$((failures + 1))
    elif [ "$status" -eq 0 ]; then
        echo "FAIL $fault: ended with status 0"; failures=$((failures + 1))
    elif ! grep -qF "tallyglyph: $report" "$err"; then
        echo "FAIL $fault: stderr lacks '$report':"; cat "$err"; failures=$((failures + 1))
    elif ! grep -qF "message box: Tallyglyph: $report" "$out"; then
        echo "FAIL $fault: no message box with '$report':"; cat "$out"; failures=$((failures + 1))
    else
        echo "ok   $fault: status $status, $(grep -F 'message box' "$out")"
    fi
    rm -f "$out" "$err"
}

expect_fault type-mismatch "Run-time error '13': Type mismatch"
expect_fault missing-item "Run-time error '440': Automation error: (missing).Caption: no such item"
expect_fault overflow "Run-time error '6': Overflow"
expect_fault nested-in-reset "Run-time error '13': Type mismatch"

echo "$((4 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
