# Shared by the scripts that drive the real program on a private Xvfb display: starts the
# server and the program, and cleans both up on exit. Source it, then call start_x11_session.

x11_pids=()
cleanup_x11_session() {
    for pid in "${x11_pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
}
trap cleanup_x11_session EXIT

# Starts Xvfb on the first free display and waits until it answers.
start_xvfb() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
        x11_pids+=($!)
        export DISPLAY=":$n"
        for _ in $(seq 1 100); do
            xdpyinfo >/dev/null 2>&1 && return 0
            sleep 0.05
        done
        echo "Xvfb did not start on :$n" >&2
        return 1
    done
    echo "no free display number" >&2
    return 1
}

# Starts the program and sets window to its visible window's id.
start_program() {
    "$@" &
    program_pid=$!
    x11_pids=("$program_pid" "${x11_pids[@]}")
    window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$program_pid" | head -n 1)
    [ -n "$window" ] || { echo "the window did not appear" >&2; return 1; }
    sleep 0.3
}

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.1; }
