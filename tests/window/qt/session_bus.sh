#!/usr/bin/env bash
# Runs a program on a private session bus with a home of its own, where nothing is started on
# demand: with "keyring", GNOME Keyring's daemon, unlocked with a throwaway password, serves
# the Secret Service there (TALLYGLYPH_TEST_KEYRING is set); with "none", nothing does. The
# bus, and the daemon with it, end with the program.
# Usage: session_bus.sh none|keyring PROGRAM [ARG...]
set -euo pipefail
mode=$1
shift
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config
export XDG_RUNTIME_DIR=$home/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
cat >"$home/bus.conf" <<'CONF'
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF

inside() {
    if [ "$mode" = keyring ]; then
        echo throwaway | gnome-keyring-daemon --daemonize --unlock --components=secrets >/dev/null
        # The daemon takes its name on the bus a moment after it forks.
        for _ in $(seq 100); do
            if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
                org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets |
                grep -q 'boolean true'; then
                export TALLYGLYPH_TEST_KEYRING=1
                break
            fi
            sleep 0.1
        done
        if [ -z "${TALLYGLYPH_TEST_KEYRING:-}" ]; then
            echo "session_bus.sh: gnome-keyring-daemon did not serve the Secret Service" >&2
            return 1
        fi
    fi
    "$@"
}
export -f inside
export mode
dbus-run-session --config-file="$home/bus.conf" -- bash -c 'inside "$@"' inside "$@"
