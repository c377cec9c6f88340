#!/usr/bin/env bash
# The real program as a native Wayland client of weston: it starts natively under its app id,
# copies to and pastes from the Wayland clipboard, and comes through a maximise attempt on
# Qt's own title bar running, in the normal state at 470x240, with its boxes as they were.
set -u
program=$1
. "$(dirname "$0")/../../../scripts/wayland-session.sh"
start_xvfb && start_weston && start_program "$program" || exit 1
copy_timeout=30

passed=0 failed=0
expect() {
    if [ "$2" = "$3" ]; then
        echo "ok   $1: $2"; passed=$((passed + 1))
    else
        echo "FAIL $1: '$2', expected '$3'"; failed=$((failed + 1))
    fi
}
line() { printf 'set kv_emoteControl "%s"' "$1"; }

expect "native start-up" "$(grep -oE 'set_app_id\(.*\)' "$program_log")" \
    'set_app_id("org.tallyglyph.Tallyglyph")'

click 30 96  # Sit
click 350 96 # Shake
expect "Sit and Shake copied" "$(copy_line "$(line 2097153)")" "$(line 2097153)"

# The last configure leaves the size to the window (weston gives one with maximised or full
# screen), and the client area has its own size.
window_state() {
    kill -0 "$program_pid" 2>/dev/null || { echo "ended"; return; }
    echo "$(grep -oE 'xdg_toplevel[@#][0-9]+\.configure\([0-9]+, [0-9]+' "$program_log" |
        tail -n 1 | grep -oE '[0-9]+, [0-9]+$') / $(client_area | cut -d ' ' -f 3-)"
}
# Qt's title bar is 30 px high; its maximise button is 18 px wide, 5 px left of the close
# button, which is 8 px from the right edge.
read -r area_x area_y area_width _ < <(client_area)
configures='xdg_toplevel[@#][0-9]+\.configure\('
# NAME:X:CLICKS:ANSWERS, ANSWERS the configures weston sends: it grants maximised, and the
# window asks for the normal state back; the title bar does nothing on a double click.
for attempt in "maximise button:$((area_width + area_x - 40)):1:2" "title double click:100:2:0"; do
    IFS=: read -r name x clicks answers <<<"$attempt"
    configured=$(log_count "$configures")
    click "$x" $((15 - area_y)) "$clicks"
    wait_until 30 eval '[ "$(window_state)" = ended ] || { [ "$(window_state)" = "0, 0 / 470 240" ] &&
        [ "$(log_count "$configures")" -ge $((configured + answers)) ]; }'
    locate_window
    expect "after the $name, the boxes" "$(copy_line "$(line 2097153)")" "$(line 2097153)"
    expect "after the $name, the window" "$(window_state)" "0, 0 / 470 240"
done
expect "the maximise button asked for maximised" "$(grep -cE '\.set_maximized\(' "$program_log")" 1

seed_clipboard 4194303 || echo "could not put 4194303 on the clipboard"
click_line
press_keys ctrl+v
expect "4194303 pasted" "$(copy_line "$(line 4194303)")" "$(line 4194303)"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
