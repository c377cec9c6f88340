#!/usr/bin/env bash
# The real program's command line, with no display at all: --help and --version answer on
# stdout with status 0; a wrong option or a VALUE that cannot be read gives one line on
# stderr, nothing on stdout and status 2, so no window can have opened; Qt's own options
# are left to Qt, and the window opens with them.
set -u
program=$1
version=${TALLYGLYPH_VERSION:?the project version, set by CTest}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

passed=0 failed=0
# expect NAME STATUS FIRST-STDOUT-LINE STDERR [--] ARGUMENT...; the stdout line is a pattern.
expect() {
    local name=$1 status=$2 first_line=$3 message=$4 got
    shift 4
    [ "${1-}" = -- ] && shift
    timeout 60 "$program" "$@" >"$out" 2>"$err"
    got=$?
    if [ "$got" -ne "$status" ]; then
        echo "FAIL $name: status $got, expected $status; stderr: $(cat "$err")"
    elif [[ "$(head -n 1 "$out")" != $first_line ]]; then
        echo "FAIL $name: stdout starts '$(head -n 1 "$out")'"
    elif [ "$(cat "$err")" != "$message" ]; then
        echo "FAIL $name: stderr '$(cat "$err")', expected '$message'"
    else
        echo "ok   $name"; passed=$((passed + 1)); return
    fi
    failed=$((failed + 1))
}

try_help="; try 'tallyglyph --help'"
expect "help" 0 "Usage: tallyglyph \[VALUE\]" "" --help
expect "help wins over a bad value" 0 "Usage: tallyglyph \[VALUE\]" "" -- 4194304 -h
expect "version" 0 "tallyglyph $version" "" --version
expect "version after Qt's options" 0 "tallyglyph $version" "" -- -platform offscreen --version
expect "unknown option" 2 "" "tallyglyph: unknown option '--frobnicate'$try_help" --frobnicate
expect "unknown short option" 2 "" "tallyglyph: unknown option '-x'$try_help" -- -x 5
expect "Qt option without its value" 2 "" "tallyglyph: '-style' needs a value$try_help" -- -style
expect "beyond the emotes" 2 "" \
    "tallyglyph: bit 22 (4194304) of 4194304 is not an emote; emotes use bits 0 to 21" 4194304
expect "negative" 2 "" \
    "tallyglyph: '-1' is negative; the value must be a whole number from 0 to 4194303" -- -1
expect "fraction" 2 "" "tallyglyph: '12.5' is not a whole number" 12.5
expect "not a number" 2 "" "tallyglyph: 'Sit' is not a number" Sit
expect "Windows' /?, no option here" 2 "" "tallyglyph: '/?' is not a number" '/?'
expect "line without its value" 2 "" \
    "tallyglyph: 'set kv_emoteControl' is neither a number nor a line like 'set kv_emoteControl \"2097153\"'" \
    set kv_emoteControl
# The window reports its first painted frame and ends: it opened, with Qt's options taken by
# Qt and the rest read as the value.
TALLYGLYPH_REPORT_FIRST_FRAME=1 expect "Qt's options and a value" 0 "first-frame peak-memory-bytes *" "" -- \
    -platform offscreen -style fusion --qwindowtitle Tallyglyph set kv_emoteControl 100000

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
