#!/usr/bin/env bash
# The real program on a real X server, brought a value: started with one (a line in one
# argument, a line split by the shell, numbers whose decimal text is a trap), then a box
# ticked, and a value pasted with a middle click; each time the copied line is compared. A
# value that cannot be read opens no window.
set -u
program=$1
. "$(dirname "$0")/../../../scripts/x11-session.sh"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
start_xvfb || exit 1
copy_timeout=20

passed=0 failed=0
pass() { echo "ok   $1"; passed=$((passed + 1)); }
fail() { echo "FAIL $1"; failed=$((failed + 1)); }

# Copies the line and compares it with the line for VALUE.
expect_line() {
    local what=$1 expected="set kv_emoteControl \"$2\"" copied
    copied=$(copy_line "$expected")
    if [ "$copied" = "$expected" ]; then pass "$what: $copied"; else
        fail "$what: copied '$copied', expected '$expected'"; fi
}

# Starts the program with ARGUMENTS and expects the line for VALUE.
expect_start() {
    local value=$1 shown
    shift
    shown="tallyglyph$(printf " '%s'" "$@")"
    start_program "$program" "$@" || { fail "$shown: no window"; return; }
    expect_line "$shown" "$value"
}

expect_start 2097153 'set kv_emoteControl "2097153"'
click 40 112 # Beg
expect_line "then Beg ticked" 2097155
stop_program

expect_start 100000 set kv_emoteControl 100000
stop_program
expect_start 1000000 1000000
stop_program
expect_start 4000000 4000000

# A middle click pastes the selection at the pointer; the value it brings is loaded.
seed_clipboard ' set kv_emoteControl "5" ' primary || fail "the selection to paste was not set"
xdotool mousemove --window "$window" 200 225 click 2
expect_line "middle-click paste" 5
click 40 112 # Beg
expect_line "then Beg ticked" 7
stop_program

# A bad value ends at once with status 2 and one line, and no window has appeared.
err=$(timeout 20 "$program" 4194304 2>&1 >/dev/null)
status=$?
if [ "$status" -ne 2 ] || [ "$err" != "tallyglyph: bit 22 (4194304) of 4194304 is not an emote; emotes use bits 0 to 21" ]; then
    fail "bad value: status $status, '$err'"
elif xdotool search --name 'Korvath - Tallyglyph' >/dev/null 2>&1; then
    fail "bad value: a window appeared"
else
    pass "bad value: status 2, $err"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
