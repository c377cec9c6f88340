#!/usr/bin/env python3
"""What an idle window costs in each state a desktop puts it in, beside a bare window with an
empty 1 ms timer: active (it has the focus), inactive (another window has it) and minimised,
with no input, over SECONDS in each state; the two programs take turns, median of the rounds.
- wake-ups per second: the voluntary context switches of all the program's threads, from
  /proc/PID/task/*/status. Each is a wait that a wake-up ends. Involuntary ones are left out:
  they are other work on the machine preempting a running thread, load rather than a wake-up;
- CPU: the scheduler's CPU time of all its threads (/proc/PID/task/*/schedstat).
Run as a program, it measures Qt windows on the X display in DISPLAY (run_bench.sh's Xvfb),
under twm, which minimises them; xmessage is the other window that takes the focus. The Wine
benchmark (wine_bench.py) drives its windows its own way and measures them here too.
Usage: idle_states.py PROGRAM BASELINE [--seconds S] [--rounds N]"""

import os
import statistics
import subprocess
import sys
import tempfile
import time

STATES = ("active", "inactive", "minimised")


def counts(pids):
    """CPU nanoseconds and voluntary context switches so far, each summed over every thread of
    PIDS."""
    cpu = switches = 0
    for pid in pids:
        for task in os.listdir(f"/proc/{pid}/task"):
            try:
                with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
                    cpu += int(stat.read().split()[0])
                with open(f"/proc/{pid}/task/{task}/status") as status:
                    for line in status:
                        if line.startswith("voluntary_ctxt_switches:"):
                            switches += int(line.split()[1])
            except FileNotFoundError:  # a thread that has just ended
                continue
    return cpu, switches


def idle(program, helpers, seconds):
    """Wake-ups per second of PROGRAM, and CPU in % of one core of PROGRAM and the HELPERS that
    work for it, over SECONDS, after two to settle: a Wine program's start keeps its server
    busy for a while."""
    time.sleep(2)
    before = counts([program]), counts(helpers)
    started = time.monotonic_ns()
    time.sleep(seconds)
    after = counts([program]), counts(helpers)
    elapsed = time.monotonic_ns() - started
    cpu = sum(after[i][0] - before[i][0] for i in (0, 1))
    return (after[0][1] - before[0][1]) * 1e9 / elapsed, 100.0 * cpu / elapsed


def measure(programs, run_states, seconds, rounds):
    """RUN_STATES(PROGRAM) starts PROGRAM, puts it in each of STATES in turn, yielding its pid
    and those of the helpers whose CPU counts with it, and ends it. Gives {state: ((wake-ups...),
    (cpu...)) per program}."""
    figures = {state: (([], []), ([], [])) for state in STATES}
    for round_ in range(rounds):
        for which in (round_ % 2, 1 - round_ % 2):
            # The states' generator first, so that it ends its program once they are done.
            for (pid, helpers), state in zip(run_states(programs[which]), STATES):
                wake_ups, cpu = idle(pid, helpers, seconds)
                figures[state][which][0].append(wake_ups)
                figures[state][which][1].append(cpu)
    return figures


def table(figures, seconds, rounds, ours, bare):
    """The results, one row per state; active must cost no more than the bare window's tick."""
    lines = [f"| Idle over {seconds} s, median of {rounds} | Wake-ups/s, {ours} | "
             f"Wake-ups/s, {bare} | CPU, {ours} | CPU, {bare} | CPU ratio | |",
             "|---|---|---|---|---|---|---|"]
    for state in STATES:
        (our_wake_ups, our_cpu), (bare_wake_ups, bare_cpu) = (
            (statistics.median(w), statistics.median(c)) for w, c in figures[state])
        ratio = our_cpu / bare_cpu if bare_cpu else float("nan")
        if state == "active":
            verdict = "≤ 1.10×: " + ("met" if ratio <= 1.10 else "**missed**")
        else:
            verdict = "0 wake-ups: " + ("met" if round(our_wake_ups) == 0 else "**missed**")
        lines.append(f"| {state} | {our_wake_ups:.0f} | {bare_wake_ups:.0f} | {our_cpu:.2f} % | "
                     f"{bare_cpu:.2f} % | {ratio:.3f} | {verdict} |")
    return "\n".join(lines)


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], check=True, capture_output=True,
                          text=True, timeout=60).stdout.split()


def focus(window):
    """Gives WINDOW the focus, the pointer in it, as twm would on entering it."""
    xdotool("mousemove", "--window", window, "10", "10")
    xdotool("windowfocus", "--sync", window)


def x11_states(other):
    def run_states(program):
        child = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            window = xdotool("search", "--sync", "--onlyvisible", "--pid", str(child.pid))[0]
            focus(window)
            yield child.pid, []
            focus(other)
            yield child.pid, []
            xdotool("windowminimize", "--sync", window)
            yield child.pid, []
        finally:
            child.terminate()
            child.wait(timeout=60)
    return run_states


def main(arguments):
    if len(arguments) < 2:
        raise SystemExit(__doc__)
    programs, options = arguments[:2], arguments[2:]
    seconds = int(options[options.index("--seconds") + 1]) if "--seconds" in options else 10
    rounds = int(options[options.index("--rounds") + 1]) if "--rounds" in options else 3
    with tempfile.NamedTemporaryFile("w", suffix=".twmrc") as config:
        # Windows placed where they ask, without waiting for a click to place them.
        config.write('RandomPlacement\nUsePPosition "on"\n')
        config.flush()
        helpers = [subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                   for command in (["twm", "-f", config.name],
                                   ["xmessage", "-geometry", "+500+400", "another window"])]
        try:
            other = xdotool("search", "--sync", "--onlyvisible", "--name", "^xmessage$")[0]
            # twm has taken the window in once it has given it a state.
            while b"Normal" not in subprocess.run(["xprop", "-id", other, "WM_STATE"],
                                                  capture_output=True).stdout:
                time.sleep(0.05)
            figures = measure(programs, x11_states(other), seconds, rounds)
        finally:
            for helper in helpers:
                helper.terminate()
                helper.wait(timeout=60)
    print(table(figures, seconds, rounds, "Tallyglyph", "baseline"))


if __name__ == "__main__":
    main(sys.argv[1:])
