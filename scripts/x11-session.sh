# Shared by the scripts that drive the real program on a private Xvfb display: starts the
# server and the program, clicks, copies the line, and cleans up on exit. Source it.
# Everything here waits for a condition with a time limit, never for a fixed time, so it
# holds on a busy machine.

x11_pids=()
cleanup_x11_session() {
    for pid in "${x11_pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
}
trap cleanup_x11_session EXIT

# Starts Xvfb on a display number that the server finds free itself, which also holds
# where another root shares the machine's abstract sockets, and waits until it reports
# that number. Programs started from here on use it through Qt's X11 platform, whatever
# platform the caller had chosen. The screen is 800×600 unless xvfb_screen says otherwise.
start_xvfb() {
    local ready
    ready=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${xvfb_screen:-800x600}x24" -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
    x11_pids+=($!)
    for _ in $(seq 1 600); do
        if [ -s "$ready" ]; then
            export DISPLAY=":$(head -n 1 "$ready")" QT_QPA_PLATFORM=xcb
            unset WAYLAND_DISPLAY
            rm -f "$ready"
            return 0
        fi
        kill -0 "${x11_pids[-1]}" 2>/dev/null || break
        sleep 0.05
    done
    rm -f "$ready"
    echo "Xvfb did not start" >&2
    return 1
}

# Starts the program and sets window to the id of its window once that is mapped; X
# delivers input sent from then on in order, so no further wait is needed.
start_program() {
    "$@" &
    program_pid=$!
    x11_pids=("$program_pid" "${x11_pids[@]}")
    window=$(timeout "${window_timeout:-60}" xdotool search --sync --onlyvisible --pid "$program_pid" |
        head -n 1)
    [ -n "$window" ] || { echo "the window did not appear" >&2; return 1; }
}

# Ends the program started last and waits until it is gone, so the next one starts alone.
stop_program() {
    kill "$program_pid" 2>/dev/null
    wait "$program_pid" 2>/dev/null
    return 0
}

# A click at a point of the window. Two clicks closer than Qt's double-click distance are
# read as a double click when they come quickly, so a test clicks one spot twice in a row
# only when it means a double click.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

# Spots across the console line, taken in turn by click_line so that no two clicks on it
# make a double click, however fast they come.
line_spots=(120 235 350 180 290)
line_spot=0
click_line() {
    click "${line_spots[line_spot]}" 225
    line_spot=$(((line_spot + 1) % ${#line_spots[@]}))
}

# Presses KEYS, each like ctrl+c, in turn.
press_keys() { xdotool key "$@"; }

# What the clipboard holds, or the SELECTION named (primary: the text last selected).
clipboard() { timeout 5 xclip -o -selection "${1:-clipboard}" 2>/dev/null; }

# Waits until the clipboard holds something other than MARKER and prints it; fails after
# SECONDS.
wait_for_clipboard_change() {
    local marker=$1 deadline=$((SECONDS + $2)) value
    while ((SECONDS < deadline)); do
        if value=$(clipboard) && [ "$value" != "$marker" ]; then
            printf '%s' "$value"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# Puts TEXT on the clipboard (or the SELECTION named) and waits until it is readable back,
# so that a later copy shows as a change and a later paste brings TEXT. xclip keeps
# serving it in the background until a copy takes over.
seed_clipboard() {
    local text=$1 selection=${2:-clipboard} deadline=$((SECONDS + 10))
    printf '%s' "$text" | xclip -i -selection "$selection" >/dev/null 2>&1
    while ((SECONDS < deadline)); do
        [ "$(clipboard "$selection")" = "$text" ] && return 0
        sleep 0.05
    done
    return 1
}

# Copies the console line with a click on it (which selects it all) and then KEYS
# (ctrl+c unless given), and prints what reached the clipboard. The line follows a change
# at the next tick of the program's timer, so a copy made before that tick gives the older
# line, and a tick that replaces typed text between the click and the keys leaves nothing
# selected to copy; the copy is then made again, until it gives EXPECTED or copy_timeout
# seconds pass.
copy_line() {
    local expected=$1 keys=${2:-ctrl+c} deadline=$((SECONDS + ${copy_timeout:-60}))
    local marker copied="" attempt=0
    while ((SECONDS < deadline)); do
        attempt=$((attempt + 1))
        marker="(nothing copied, attempt $attempt)"
        seed_clipboard "$marker" || continue
        click_line
        press_keys $keys
        copied=$(wait_for_clipboard_change "$marker" "${copy_wait:-5}") || copied=""
        [ "$copied" = "$expected" ] && break
        echo "copy_line: attempt $attempt at ${SECONDS}s copied '$copied'" >&2
    done
    printf '%s' "$copied"
}
