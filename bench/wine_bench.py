#!/usr/bin/env python3
"""Measures the Windows window beside a bare Win32 window with an empty 1 ms timer, under Wine,
in one run, the two taking turns, and prints the results table. Both are stripped first, as
the installer ships them ($STRIP, x86_64-w64-mingw32-strip unless set).
- start-up: from starting `wine PROGRAM` until the program reports its first painted frame
  handed to the screen (TALLYGLYPH_REPORT_FIRST_FRAME), median of the runs;
- peak working set, as the program reports it at that moment, median of the runs;
- idle, active, inactive and minimised (idle_states.py): the program's wake-ups, and the CPU
  time of every thread of the program and of the prefix's Wine server, which delivers every
  tick; the server's own wake-ups are left out, as it also serves the prefix's other processes.
  A helper of the benchmark's (win32_window_state.exe) activates and minimises the windows.
Run it under scripts/with-wine-x11.
Usage: wine_bench.py BUILD_DIR [--quick] [--write FILE]"""

import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # nothing of the run left in the source tree
import idle_states  # noqa: E402


def first_frame(program):
    env = dict(os.environ, TALLYGLYPH_REPORT_FIRST_FRAME="1")
    started = time.monotonic_ns()
    child = subprocess.Popen(["wine", program], env=env, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL)
    # The report's one line (window/first_frame.h): "first-frame peak-memory-bytes N".
    report = child.stdout.readline().split()
    elapsed_ms = (time.monotonic_ns() - started) / 1e6
    if report[:2] != [b"first-frame", b"peak-memory-bytes"] or len(report) != 3:
        raise SystemExit(f"wine_bench: {program} reported no first frame")
    peak = int(report[2])
    child.wait(timeout=60)
    return elapsed_ms, peak / 1e6


def wine_server():
    """The server of this prefix, which keeps its socket in a folder named after the prefix."""
    prefix = os.stat(os.environ["WINEPREFIX"])
    folder = f"server-{prefix.st_dev:x}-{prefix.st_ino:x}"
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            if (open(f"/proc/{pid}/comm").read().startswith("wineserver")
                    and os.readlink(f"/proc/{pid}/cwd").endswith(folder)):
                return int(pid)
        except OSError:
            continue
    raise SystemExit("wine_bench: no Wine server runs for this prefix")


def wine_states(helper, titles, server):
    """Each window as opened, then with another window active, then minimised (idle_states)."""
    def run_states(program):
        child = subprocess.Popen(["wine", program], stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        title = titles[program]
        put = lambda state: subprocess.run(["wine", helper, state, title], check=True,
                                           stdout=subprocess.DEVNULL, timeout=60)
        try:
            subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                            f"^{title}$"], check=True, stdout=subprocess.DEVNULL, timeout=120)
            put("active")
            yield child.pid, [server]
            other = subprocess.Popen(["wine", helper, "inactive", title], stdout=subprocess.PIPE,
                                     stderr=subprocess.DEVNULL)
            if other.stdout.readline().strip() != b"ready":
                raise SystemExit("wine_bench: no other window could be activated")
            yield child.pid, [server]
            other.terminate()
            other.wait(timeout=60)
            put("minimised")
            yield child.pid, [server]
        finally:
            child.terminate()
            child.wait(timeout=60)
    return run_states


def measure(programs, runs, idle_seconds, idle_rounds, helper):
    start = ([], [])
    peak = ([], [])
    for run in range(runs):
        for which in (run % 2, 1 - run % 2):
            ms, mb = first_frame(programs[which])
            start[which].append(ms)
            peak[which].append(mb)
    titles = dict(zip(programs, ("Korvath - Tallyglyph", "baseline")))
    idle = idle_states.measure(programs, wine_states(helper, titles, wine_server()),
                               idle_seconds, idle_rounds)
    # The fastest run is what the start-up costs when the rest of the machine lets it be.
    fastest = ([min(start[0])], [min(start[1])])
    return [(f"Start-up to first painted frame, median of {runs}", "ms", 1, 1.15, start),
            (f"Start-up to first painted frame, fastest of {runs}", "ms", 1, 1.15, fastest),
            (f"Peak working set, median of {runs}", "MB", 1, 1.10, peak)], idle


def table(rows):
    lines = ["| Measure under Wine | Tallyglyph | Bare Win32 window | Ratio | Budget | |",
             "|---|---|---|---|---|---|"]
    for name, unit, digits, budget, (ours, bare) in rows:
        ratio = statistics.median(ours) / statistics.median(bare)
        lines.append(f"| {name} | {statistics.median(ours):.{digits}f} {unit} "
                     f"| {statistics.median(bare):.{digits}f} {unit} | {ratio:.3f} "
                     f"| ≤ {budget:.2f}× | {'met' if ratio <= budget else '**missed**'} |")
    return "\n".join(lines)


def record(path, text):
    """Replaces the section between the Windows benchmark's markers in PATH with TEXT."""
    wine = subprocess.run(["wine", "--version"], capture_output=True, text=True).stdout.strip()
    system = dict(line.rstrip().split("=", 1) for line in open("/etc/os-release") if "=" in line)
    machine = (f"{os.cpu_count()} × {platform_cpu()}, "
               f"{system.get('PRETTY_NAME', 'Linux').strip(chr(34))}, {wine}, Xvfb")
    command = " ".join(["scripts/with-wine-x11", "bench/wine_bench.py"] + sys.argv[1:])
    section = (f"<!-- bench-windows:start -->\nCommand: `{command}` on "
               f"{time.strftime('%Y-%m-%d', time.gmtime())}.\n\nMachine: {machine}.\n\n{text}\n"
               f"<!-- bench-windows:end -->")
    document = open(path).read()
    pattern = re.compile(r"<!-- bench-windows:start -->.*?<!-- bench-windows:end -->", re.S)
    if pattern.search(document):
        document = pattern.sub(lambda _: section, document)
    else:
        document = document.rstrip("\n") + "\n\n" + section + "\n"
    open(path, "w").write(document)


def platform_cpu():
    for line in open("/proc/cpuinfo"):
        if line.startswith("model name"):
            return line.split(":", 1)[1].strip()
    return "unknown CPU"


def main(arguments):
    if not arguments:
        raise SystemExit(__doc__)
    build, options = arguments[0], arguments[1:]
    quick = "--quick" in options
    write = options[options.index("--write") + 1] if "--write" in options else None
    strip = os.environ.get("STRIP", "x86_64-w64-mingw32-strip")
    with tempfile.TemporaryDirectory() as folder:
        programs = tuple(f"{folder}/{name}" for name in ("tallyglyph.exe", "baseline.exe"))
        for built, stripped in zip((f"{build}/window/tallyglyph.exe",
                                    f"{build}/bench/win32_baseline_window.exe"), programs):
            subprocess.run([strip, "-o", stripped, built], check=True)
        idle_seconds, idle_rounds = (1, 1) if quick else (10, 5)
        rows, idle = measure(programs, 3 if quick else 31, idle_seconds, idle_rounds,
                             f"{build}/bench/win32_window_state.exe")
    text = table(rows) + "\n\n" + idle_states.table(idle, idle_seconds, idle_rounds, "Tallyglyph",
                                                    "bare Win32 window")
    print(text)
    if write:
        record(write, text)
        print(f"wrote the table to {write}")


if __name__ == "__main__":
    main(sys.argv[1:])
