# Shared by the scripts that drive the real program as a native Wayland client: weston with
# its X11 backend and the pixman renderer runs inside a private Xvfb, so that xdotool on the
# Xvfb display sends real pointer and keyboard input through weston to the program, which runs
# on Qt's Wayland platform with no DISPLAY. The program's protocol log (WAYLAND_DEBUG) is in
# $program_log, and every step waits for what that log or the clipboard shows, with a time
# limit. Source it after x11-session.sh's start_xvfb has run, or let it source that file.

if ! declare -F start_xvfb >/dev/null; then
    . "$(dirname "${BASH_SOURCE[0]}")/x11-session.sh"
fi

# weston's screen lies inside the larger X screen, since its X11 backend takes an absolute
# pointer position only when the pointer enters its window: the pointer leaves and comes
# back in before each window is located. Wherever weston places the program's window on
# that screen, the window covers the point inside_x, inside_y.
weston_width=720 weston_height=480
inside_x=360 inside_y=255

# Polls COMMAND until it succeeds or SECONDS pass.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# Starts weston on the Xvfb display of start_xvfb, in a private runtime folder, and makes the
# programs started from here on native Wayland clients of it, with Qt's own title bar.
start_weston() {
    xvfb_display=$DISPLAY
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR WAYLAND_DISPLAY=tallyglyph-$$
    # weston 12 and later name the renderer with --renderer.
    local renderer=--use-pixman
    weston --help 2>&1 | grep -q -- '--renderer=' && renderer=--renderer=pixman
    weston --no-config --backend=x11-backend.so "$renderer" --width=$weston_width \
        --height=$weston_height --idle-time=0 --socket="$WAYLAND_DISPLAY" \
        --log="$XDG_RUNTIME_DIR/weston.log" >/dev/null 2>&1 &
    x11_pids+=($!)
    if ! wait_until 60 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY"; then
        echo "weston did not start:" >&2
        cat "$XDG_RUNTIME_DIR/weston.log" >&2
        return 1
    fi
    # The pointer waits on weston's panel, so no window opens under it: Qt loads the cursor
    # theme for a window that the pointer enters, which weighs more in start-up than the window.
    xdo mousemove $((weston_width + 40)) $((weston_height + 40)) mousemove $((weston_width - 20)) 10
    unset DISPLAY
    export QT_QPA_PLATFORM=wayland QT_WAYLAND_DECORATION=bradient
}

xdo() { DISPLAY=$xvfb_display xdotool "$@"; }

# How many lines of the protocol log match PATTERN, an extended regular expression. Objects
# are written name@id, or name#id from libwayland 1.22 on.
log_count() { grep -cE "$1" "$program_log"; }
wait_for_lines() {
    local pattern=$1 count=$2
    wait_until "${input_timeout:-30}" eval '[ "$(log_count "$pattern")" -ge "$count" ]'
}

# Starts the program and locates its window once weston shows it.
start_program() {
    program_log=$(mktemp)
    WAYLAND_DEBUG=1 "$@" 2>"$program_log" &
    program_pid=$!
    x11_pids=("$program_pid" "${x11_pids[@]}")
    surface=""
    wait_until "${window_timeout:-60}" main_surface_known &&
        wait_until "${window_timeout:-60}" grep -qE "wl_surface[@#]$surface\.enter\(" "$program_log" &&
        locate_window || { echo "the window did not appear" >&2; return 1; }
}
main_surface_known() {
    surface=$(grep -oE 'get_xdg_surface\(new id xdg_surface[@#][0-9]+, wl_surface[@#][0-9]+' \
        "$program_log" | head -n 1 | grep -oE '[0-9]+$')
    [ -n "$surface" ]
}

# The client area as Qt last set it, in surface coordinates: "x y width height". Qt marks it
# as the opaque part of the surface, which holds its title bar too.
client_area() {
    grep -oE 'wl_region[@#][0-9]+\.add\([0-9]+, [0-9]+, [0-9]+, [0-9]+\)' "$program_log" |
        tail -n 1 | grep -oE '[0-9]+, [0-9]+, [0-9]+, [0-9]+' | tr -d ,
}

# Sets left and top to the screen position of the client area, from where the pointer enters
# the window.
locate_window() {
    local enter="wl_pointer[@#][0-9]+\.enter\([0-9]+, wl_surface[@#]$surface, "
    local entered x y area_x area_y
    entered=$(log_count "$enter")
    xdo mousemove $((weston_width + 40)) $((weston_height + 40)) mousemove $inside_x $inside_y
    wait_for_lines "$enter" $((entered + 1)) || return 1
    read -r x y < <(grep -oE "$enter[0-9.]+, [0-9.]+" "$program_log" | tail -n 1 |
        awk -F', ' '{ print int($3), int($4) }')
    read -r area_x area_y _ < <(client_area)
    left=$((inside_x - x + area_x)) top=$((inside_y - y + area_y))
}

# COUNT clicks (one unless given) at a point of the client area (negative y: on the title
# bar), done once the program has every press; weston keeps a release to itself when the
# press began a move of the window.
click() {
    local press='wl_pointer[@#][0-9]+\.button\([0-9]+, [0-9]+, [0-9]+, 1\)' pressed
    local count=${3:-1}
    pressed=$(log_count "$press")
    xdo mousemove $((left + $1)) $((top + $2)) click --repeat "$count" --delay 80 1
    wait_for_lines "$press" $((pressed + count))
}

# Presses KEYS to the focused window and waits until the program has every press and release.
press_keys() {
    local key='wl_keyboard[@#][0-9]+\.key\(' before keys=0 combination
    before=$(log_count "$key")
    for combination in "$@"; do
        keys=$((keys + $(tr -cd + <<<"$combination" | wc -c) + 1))
    done
    xdo key "$@"
    wait_for_lines "$key" $((before + 2 * keys))
}

clipboard() { timeout 5 wl-paste -n 2>/dev/null; }

# Puts TEXT on the clipboard, served by wl-copy in the background until a copy takes over.
seed_clipboard() {
    local text=$1
    wl-copy -- "$text" >/dev/null 2>&1
    wait_until 10 eval '[ "$(clipboard)" = "$text" ]'
}
