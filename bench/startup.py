#!/usr/bin/env python3
"""Start-up of zelvo to its first window shown against a bare Qt program showing one label, and their
peak memory, side by side. Usage: bench/startup.py [build-dir] [runs]"""
import os
import statistics
import subprocess
import sys
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
env = dict(os.environ, ZELVO_REPORT_SHOWN="1")
env.setdefault("QT_QPA_PLATFORM", "offscreen")


def measure(program):
    start = time.perf_counter()
    proc = subprocess.Popen([program], cwd=build, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    line = proc.stdout.readline()
    shown = time.perf_counter() - start
    if line.strip() != b"shown":
        raise SystemExit(f"{program} did not report its first window")
    time.sleep(0.5)  # let background loading (the tune's sound font) finish before reading the peak
    with open(f"/proc/{proc.pid}/status") as status:
        peak = next(int(l.split()[1]) for l in status if l.startswith("VmHWM"))
    proc.kill()
    proc.wait()
    return shown * 1000, peak / 1024


def median_of(program):
    results = [measure(program) for _ in range(runs)]
    return statistics.median(r[0] for r in results), statistics.median(r[1] for r in results)


zelvo_ms, zelvo_mb = median_of(os.path.abspath(os.path.join(build, "zelvo")))
bare_ms, bare_mb = median_of(os.path.abspath(os.path.join(build, "bench", "barelabel")))
print(f"{'':12}{'start-up (ms)':>15}{'peak memory (MiB)':>20}")
print(f"{'zelvo':12}{zelvo_ms:15.1f}{zelvo_mb:20.1f}")
print(f"{'bare label':12}{bare_ms:15.1f}{bare_mb:20.1f}")
print(f"{'ratio':12}{zelvo_ms / bare_ms:15.2f}{zelvo_mb / bare_mb:20.2f}")
