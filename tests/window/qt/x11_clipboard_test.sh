#!/usr/bin/env bash
# The real program on a real X server: tick boxes and press the label-buttons with the
# mouse, select and copy the line, and read the clipboard back.
set -u
program=$1
. "$(dirname "$0")/../../../scripts/x11-session.sh"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
start_xvfb || exit 1
start_program "$program" || exit 1
copy_timeout=20

passed=0 failed=0
# Copies the line (with KEYS after the click that selects it) and compares.
expect_copied() {
    local what=$1 expected=$2 keys=${3:-ctrl+c} copied
    copied=$(copy_line "$expected" "$keys")
    if [ "$copied" = "$expected" ]; then
        echo "ok   $what: $copied"; passed=$((passed + 1))
    else
        echo "FAIL $what: copied '$copied', expected '$expected'"; failed=$((failed + 1))
    fi
}

expect_copied "the line at start" 'set kv_emoteControl "0"'

click 30 96    # Sit, on its caption
click 350 96   # Shake, on the blank part of its box
expect_copied "Sit and Shake" 'set kv_emoteControl "2097153"'

click 420 192  # ALL
expect_copied "ALL" 'set kv_emoteControl "4194303"' "ctrl+a ctrl+c"

click 14 176   # BreakDance, on its mark
expect_copied "ALL less BreakDance" 'set kv_emoteControl "4194271"'

click 329 185  # Reset, on its white frame
click 40 112   # Beg
expect_copied "Reset then Beg" 'set kv_emoteControl "2"' "ctrl+a ctrl+c"

# Typing into the line changes nothing that is copied once the next tick has passed.
click_line
xdotool type --delay 5 "typed"
expect_copied "typing replaced" 'set kv_emoteControl "2"'

if kill -0 "$program_pid" 2>/dev/null; then
    echo "ok   still running"; passed=$((passed + 1))
else
    echo "FAIL the program ended"; failed=$((failed + 1))
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
