#!/usr/bin/env bash
# The real program on a real X server: tick boxes and press the label-buttons with the
# mouse, select and copy the line, and read the clipboard back.
set -u
program=$1
. "$(dirname "$0")/../../scripts/x11-session.sh"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
start_xvfb || exit 1
start_program "$program" || exit 1

passed=0 failed=0
expect_copied() {
    local what=$1 expected=$2 copied
    sleep 0.1
    copied=$(timeout 5 xclip -o -selection clipboard 2>/dev/null)
    if [ "$copied" = "$expected" ]; then
        echo "ok   $what: $copied"; passed=$((passed + 1))
    else
        echo "FAIL $what: copied '$copied', expected '$expected'"; failed=$((failed + 1))
    fi
}
copy_line_by_click() { click 235 225; xdotool key ctrl+c; }
copy_line_by_keys() { click 235 225; xdotool key ctrl+a ctrl+c; }

copy_line_by_click
expect_copied "the line at start" 'set kv_emoteControl "0"'

click 30 96    # Sit, on its caption
click 350 96   # Shake, on the blank part of its box
copy_line_by_click
expect_copied "Sit and Shake" 'set kv_emoteControl "2097153"'

click 420 192  # ALL
copy_line_by_keys
expect_copied "ALL" 'set kv_emoteControl "4194303"'

click 14 176   # BreakDance, on its mark
copy_line_by_click
expect_copied "ALL less BreakDance" 'set kv_emoteControl "4194271"'

click 329 185  # Reset, on its white frame
click 40 112   # Beg
copy_line_by_keys
expect_copied "Reset then Beg" 'set kv_emoteControl "2"'

# Typing into the line changes nothing that is copied once the next tick has passed.
click 235 225
xdotool type --delay 5 "typed"
copy_line_by_click
expect_copied "typing replaced" 'set kv_emoteControl "2"'

if kill -0 "$program_pid" 2>/dev/null; then
    echo "ok   still running"; passed=$((passed + 1))
else
    echo "FAIL the program ended"; failed=$((failed + 1))
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
