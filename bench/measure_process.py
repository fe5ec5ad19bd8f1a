#!/usr/bin/env python3
"""Runs a command RUNS times; writes "<function> <N> <median ms> <peak KiB>" for bench/table.py.
Usage: measure_process.py OUT RUNS COMMAND... (OUT named process-<function>-<N>.txt)."""
import os
import resource
import statistics
import subprocess
import sys
import time


def main():
    out, runs, command = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    function, n = os.path.basename(out)[len("process-"):-len(".txt")].rsplit("-", 1)
    times = []
    for _ in range(runs):
        started = time.monotonic()
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
        times.append((time.monotonic() - started) * 1000)
    # The largest child waited for; this small process gives its children nothing of its own.
    peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    with open(out, "w", encoding="utf-8") as result:
        result.write(f"{function} {n} {statistics.median(times):.1f} {peak}\n")


if __name__ == "__main__":
    main()
