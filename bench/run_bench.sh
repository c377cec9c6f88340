#!/usr/bin/env bash
# Measures the window against the bare baseline window on a private X server, and its start-up
# again as a native Wayland client of weston, and prints the results table; then what each
# costs idle when active, inactive and minimised (idle_states.py), in a table of its own.
# Usage: run_bench.sh BUILD_DIR [--quick] [--write FILE]
#   --quick        a short run that only proves the suite works
#   --write FILE   also record the table, the command and the machine in FILE
set -euo pipefail
build=$1
shift
runs=41 idle=10 rounds=3 ticks=5 write=""
while (($#)); do
    case $1 in
    --quick) runs=3 idle=1 rounds=1 ticks=1 ;;
    --write) write=$2; shift ;;
    *) echo "run_bench.sh: unknown option $1" >&2; exit 2 ;;
    esac
    shift
done

. "$(dirname "$0")/../scripts/x11-session.sh"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
start_xvfb

table=$("$build/bench/bench_harness" --program "$build/window/tallyglyph" \
    --baseline "$build/bench/baseline_window" --timing "$build/bench/window_timing" \
    --items "$build/bench/window_item_bench" --runs "$runs" --display "on X11 (Xvfb)" \
    --tick-seconds "$ticks")
idle_table=$("$(dirname "$0")/idle_states.py" "$build/window/tallyglyph" \
    "$build/bench/baseline_window" --seconds "$idle" --rounds "$rounds")
# Start-up again with both programs as native Wayland clients of weston, inside that Xvfb;
# its row goes under the X11 one.
. "$(dirname "$0")/../scripts/wayland-session.sh"
start_weston
wayland_row=$("$build/bench/bench_harness" --program "$build/window/tallyglyph" \
    --baseline "$build/bench/baseline_window" --runs "$runs" --display "on Wayland (weston)" \
    --start-up-only)
table=$(awk -v row="$wayland_row" '{ print } /^\| Start-up/ { print row }' <<<"$table")
table=$(printf '%s\n\n%s' "$table" "$idle_table")
echo "$table"

if [ -n "$write" ]; then
    machine="$(nproc) × $(lscpu | sed -n 's/^Model name: *//p' | head -n 1), $(free -g | awk '/^Mem:/ {print $2}') GiB, $(. /etc/os-release && echo "$PRETTY_NAME"), Qt $(dpkg-query -W -f='${Version}' libqt6core6 libqt6core6t64 2>/dev/null), Xvfb, $(weston --version)"
    {
        echo "<!-- bench:start -->"
        echo "Command: \`scripts/bench --write docs/performance.md\` on $(date -u +%Y-%m-%d)."
        echo
        echo "Machine: $machine."
        echo
        echo "$table"
        echo "<!-- bench:end -->"
    } >/tmp/bench-section.$$
    python3 - "$write" /tmp/bench-section.$$ <<'PY'
import re, sys
path, section = sys.argv[1], open(sys.argv[2]).read().rstrip("\n")
text = open(path).read()
pattern = re.compile(r"<!-- bench:start -->.*?<!-- bench:end -->", re.S)
text = pattern.sub(lambda _: section, text) if pattern.search(text) else text.rstrip("\n") + "\n\n" + section + "\n"
open(path, "w").write(text)
PY
    rm -f /tmp/bench-section.$$
    echo "wrote the table to $write"
fi
