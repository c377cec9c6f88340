#!/usr/bin/env bash
# The Windows program under Wine on a private X server (run it through scripts/with-wine-x11),
# driven with xdotool and read back through the clipboard, which Wine shares with X: its size
# and banner at 96 and 192 dpi, clicks on boxes, label-buttons and frames, values given at the
# start and pasted, the command line's answers, the examples of both programs' help typed
# into cmd, the size of the stripped program, and the window in high contrast, switched on
# and off while it is open, through a test build of it.
# Usage: wine_window_test.sh PROGRAM.exe STRIP HIGH-CONTRAST-PROGRAM.exe COMPANION.exe
set -u
program=$1 strip=$2 high_contrast_program=$3 companion=$4
root=$(cd "$(dirname "$0")/../../.." && pwd)
. "$root/scripts/x11-session.sh"
copy_timeout=30

passed=0 failed=0
# expect WHAT GOT EXPECTED
expect() {
    if [ "$2" = "$3" ]; then echo "ok   $1: $2"; passed=$((passed + 1)); else
        echo "FAIL $1: got '$2', expected '$3'"; failed=$((failed + 1)); fi
}
line() { printf 'set kv_emoteControl "%s"' "$1"; }
expect_line() { expect "$1" "$(copy_line "$(line "$2")" "${3:-ctrl+c}")" "$(line "$2")"; }

set_dpi() { "$root/scripts/wine-dpi" "$1"; }

# Wine's windows carry no process id; the title finds the one visible window.
start_window() {
    wine "$program" "$@" >/dev/null 2>&1 &
    program_pid=$!
    x11_pids=("$program_pid" "${x11_pids[@]}")
    window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Korvath - Tallyglyph$' |
        head -n 1)
    [ -n "$window" ] || { echo "FAIL the window did not appear"; exit 1; }
}
size() { xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p'; }
# How many pixels of the window's rectangle W×H+X+Y differ from IMAGE set in black to W×H,
# once none do or 30 s have passed: a busy machine may show the window before it is painted.
differing_pixels() {
    local deadline=$((SECONDS + 30)) count
    convert "$2" -background black -extent "${1%%+*}" "$scratch/expected.png"
    while true; do
        import -window "$window" -crop "$1" +repage "$scratch/shown.png"
        count=$(compare -metric AE "$scratch/shown.png" "$scratch/expected.png" null: 2>&1)
        [ "$count" = 0 ] || ((SECONDS >= deadline)) || { sleep 0.1; continue; }
        echo "$count"
        return
    done
}
scratch=$(mktemp -d)
trap 'cleanup_x11_session; rm -rf "$scratch"' EXIT

# Opens the line's context menu, waits until it shows, and takes its Paste.
paste_from_menu() {
    xdotool mousemove --window "$window" 200 225 click 3
    for _ in $(seq 1 600); do
        if (($(xdotool search --onlyvisible --class '^tallyglyph\.exe$' | wc -l) > 1)); then
            xdotool key p
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# Pastes TEXT into the line with the keys or command PASTE until the line shows VALUE: Wine
# notices a change of the X clipboard a moment later, and a paste made before that brings the
# text that was there before.
expect_paste() {
    local what=$1 text=$2 value=$3 paste=$4 copied=""
    for _ in 1 2 3 4 5; do
        seed_clipboard "$text" && click_line && $paste || continue
        copied=$(copy_timeout=10 copy_line "$(line "$value")")
        [ "$copied" = "$(line "$value")" ] && break
        xdotool key Escape # a menu still open
    done
    expect "$what" "$copied" "$(line "$value")"
}

set_dpi 96
start_window
expect "size at 96 dpi" "$(size)" 470x240
expect "banner at its place, the box's colour beyond it" \
    "$(differing_pixels 225x49+88+8 "$root/assets/banner.png")" 0
click 30 96  # Sit
click 310 96 # Shake
expect_line "Sit and Shake" 2097153
click 420 192 # ALL
expect_line "ALL" 4194303
click 356 192 # Reset
expect_line "Reset" 0
click 393 185 # on the frame of ALL
expect_line "the frame of ALL" 4194303
click 384 199 # on the frame of Reset
expect_line "the frame of Reset" 0
click 30 96
expect_line "typing gives way to the line" 1 "a b c ctrl+a ctrl+c"
expect_paste "a number pasted with Ctrl+V" 4194303 4194303 "xdotool key ctrl+v"
expect_paste "a line pasted with Shift+Insert" ' set kv_emoteControl "5" ' 5 \
    "xdotool key shift+Insert"
expect_paste "a number pasted from the context menu" 2097152 2097152 paste_from_menu
seed_clipboard 4194304 && click_line && xdotool key ctrl+v
expect_line "4194304 pasted changes nothing" 2097152
stop_program

start_window 'set kv_emoteControl "2097153"'
expect_line "started on a value" 2097153

# The line's shortcuts work in the whole window. With no window manager, keys go to the window
# under the pointer: each window is pointed at before its keys.
# shown TITLE [GONE]: waits until a window of that title shows (or is gone) and prints it.
shown() {
    local deadline=$((SECONDS + 60)) found
    while found=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1); ((SECONDS < deadline)); do
        if [ -z "${2:-}" ]; then [ -n "$found" ] && break; else [ -z "$found" ] && break; fi
        sleep 0.05
    done
    echo "${found:-gone}"
}
for keys in ctrl+r ctrl+shift+a; do
    xdotool mousemove --window "$window" 200 20 key "$keys"
    dialog=$(shown 'Server - Tallyglyph')
    xdotool mousemove --window "$dialog" 5 5 key Escape
    expect "$keys opens the Server dialog, which Escape closes" \
        "$([ "$dialog" != gone ] && shown 'Server - Tallyglyph' gone)" gone
done
printf 'set kv_emoteControl "2097281"\r\n' >"$scratch/server.cfg"
xdotool mousemove --window "$window" 200 20 key ctrl+o
xdotool mousemove --window "$(shown 'Open configuration file')" 20 20 \
    type "$(winepath -w "$scratch/server.cfg")"
xdotool key Return
xdotool mousemove --window "$(shown Tallyglyph)" 20 20 key Return
expect_line "Ctrl+O opens a configuration file into the boxes" 2097281
stop_program

# expect_answer WHAT STATUS STDOUT STDERR ARGUMENT...: no window ever shows.
expect_answer() {
    local what=$1 status=$2 out=$3 err=$4 got
    shift 4
    timeout 60 wine "$program" "$@" >"$scratch/out" 2>"$scratch/err"
    got=$?
    expect "$what" "$got $(head -n 1 "$scratch/out")$(cat "$scratch/err")" "$status $out$err"
    ! xdotool search --onlyvisible --name 'Korvath - Tallyglyph' >/dev/null ||
        expect "$what: no window" shown none
}
expect_answer "bad value" 2 "" \
    "tallyglyph: bit 22 (4194304) of 4194304 is not an emote; emotes use bits 0 to 21" 4194304
expect_answer "unknown option" 2 "" \
    "tallyglyph: unknown option '-platform'; try 'tallyglyph --help'" -platform windows
expect_answer "help" 0 "Usage: tallyglyph [VALUE]" "" --help
expect_answer "help by Windows' own /?" 0 "Usage: tallyglyph [VALUE]" "" '/?'

# The examples of the help, typed into Wine's cmd as they read: the window's opens on its
# value, the companion's decodes it.
typed_in_cmd() {
    printf '@%s\r\n' "$*" >"$scratch/typed.bat"
    timeout 60 wine cmd /c "$(winepath -w "$scratch/typed.bat")" 2>&1 | tr -d '\r'
}
example=$(wine "$program" --help | sed -n 's/^  tallyglyph \(".*"\)$/\1/p')
expect "the window's example for cmd and PowerShell" "$example" '"set kv_emoteControl ""2097153"""'
expect "the window's example in cmd" \
    "$(TALLYGLYPH_REPORT_FIRST_FRAME=1 typed_in_cmd "\"$(winepath -w "$program")\"" "$example" |
        head -n 1 | cut -d ' ' -f 1)" first-frame
example=$(wine "$companion" --help | sed -n 's/.* as the window shows it: \(".*"\)\.$/\1/p')
expect "the companion's example in cmd" \
    "$(typed_in_cmd "\"$(winepath -w "$companion")\"" decode "$example" | paste -sd ' ')" "Sit Shake"
expect_answer "version" 0 "tallyglyph ${TALLYGLYPH_VERSION:?set by CTest}" "" --version

set_dpi 192
start_window
expect "size at 192 dpi" "$(size)" 940x480
expect "the double-size banner at 192 dpi, not the small one enlarged" \
    "$(differing_pixels 450x98+176+16 "$root/assets/banner@2x.png")" 0
stop_program

# High contrast as Windows keeps it in the registry, a scheme in each .reg file beside this
# script, which the test build (high_contrast_main.cpp) takes as it starts and at once while
# it runs. Parts of the window at 96 dpi (the form, the banner's box beyond the banner, the
# instruction, a box's caption, inside Reset, the rule, the line) with the colours each shows
# the most of, the most first: W the window's, T its text's, which both schemes give the
# buttons too. Smoothed text may add shades between them.
schemes=$root/tests/window/win32
contrast_parts=("470x8+0+0 W" "1x49+312+8 W" "257x17+96+64 W T" "57x17+24+88 W T"
    "51x11+331+187 W T" "470x3+0+207 T" "457x19+8+216 W T")
# Runs COMMAND on each new look of the window until it prints EXPECTED or 30 s have passed,
# and prints what it printed last.
look_until() {
    local expected=$1 got deadline=$((SECONDS + 30))
    shift
    until import -window "$window" "$scratch/shown.png"
        got=$("$@")
        [ "$got" = "$expected" ] || ((SECONDS >= deadline)); do sleep 0.1; done
    echo "$got"
}
# The N colours that the part GEOMETRY of the look shows the most of.
colours_of() {
    convert "$scratch/shown.png" -crop "$1" +repage -format %c histogram:info:- | sort -rn |
        grep -o '#[0-9A-F]\{6\}' | head -n "$2" | paste -sd ' '
}
parts_colours() {
    for part in "${contrast_parts[@]}"; do set -- $part; colours_of "$1" $(($# - 1)); done
}
line_written() { colours_of 457x19+8+216 9 | grep -q '#FFFFFF' && echo yes; }
scheme_colour() { printf '#%02X%02X%02X' $(sed -n "s/^\"$2\"=\"\(.*\)\"$/\1/p" "$1"); }
# expect_scheme WHAT FILE: every part in the colours of scheme FILE.
expect_scheme() {
    local expected
    expected=$(printf '%s\n' "${contrast_parts[@]}" | sed "s/^[^ ]* //
        s/W/$(scheme_colour "$2" Window)/g; s/T/$(scheme_colour "$2" WindowText)/g")
    expect "$1" "$(look_until "$expected" parts_colours)" "$expected"
}
set_dpi 96
wine reg export 'HKCU\Control Panel\Colors' "$scratch/colours.reg" /y >/dev/null 2>&1
program=$high_contrast_program start_window
look_until yes line_written >/dev/null
cp "$scratch/shown.png" "$scratch/normal.png"
wine reg import "$schemes/high-contrast-black.reg" >/dev/null 2>&1
expect_scheme "switched to High Contrast Black while open" "$schemes/high-contrast-black.reg"
wine reg import "$schemes/high-contrast-white.reg" >/dev/null 2>&1
expect_scheme "then to High Contrast White" "$schemes/high-contrast-white.reg"
wine reg import "$scratch/colours.reg" >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Accessibility\HighContrast' /v Flags /d 126 /f >/dev/null 2>&1
expect "high contrast off again: the window as before" \
    "$(differing_pixels 470x240+0+0 "$scratch/normal.png")" 0
stop_program
wine reg import "$schemes/high-contrast-white.reg" >/dev/null 2>&1
program=$high_contrast_program start_window
expect_scheme "started in High Contrast White" "$schemes/high-contrast-white.reg"
stop_program

"$strip" -o "$scratch/stripped.exe" "$program"
bytes=$(stat -c %s "$scratch/stripped.exe")
# C++ streams and std::filesystem, which reading configuration files brings, are 1.1 MB of it.
expect "stripped size under 2 MB" "$((bytes < 2097152))" 1

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
