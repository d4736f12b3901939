#!/usr/bin/env python3
"""Runs the start-up benchmark and its floor alternately; prints the median
wall time and peak resident memory of each and the two ratios."""
import os
import statistics
import sys
import tempfile
import time

def run_once(program, env):
    start = time.perf_counter()
    pid = os.fork()
    if pid == 0:
        devnull = os.open(os.devnull, os.O_WRONLY)
        os.dup2(devnull, 1)
        os.dup2(devnull, 2)
        os.execve(program, [program], env)
    _, status, usage = os.wait4(pid, 0)
    wall = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{program} failed with status {status}")
    return wall, usage.ru_maxrss  # KiB

def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build-bench"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
    tool = os.path.join(build, "bench", "startup_bench")
    floor = os.path.join(build, "bench", "floor_bench")
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"),
                   XDG_CONFIG_HOME=os.path.join(home, "config"), XDG_RUNTIME_DIR=home)
        results = {tool: [], floor: []}
        for _ in range(2):  # warm the file cache
            run_once(tool, env)
            run_once(floor, env)
        for _ in range(runs):
            for program in (tool, floor):
                results[program].append(run_once(program, env))
    t = [statistics.median(w for w, _ in results[p]) for p in (tool, floor)]
    m = [statistics.median(r for _, r in results[p]) for p in (tool, floor)]
    print(f"runs each:      {runs} (alternating, offscreen platform)")
    print(f"startup_bench:  median wall {t[0] * 1000:.1f} ms, peak RSS {m[0] / 1024:.1f} MiB")
    print(f"floor_bench:    median wall {t[1] * 1000:.1f} ms, peak RSS {m[1] / 1024:.1f} MiB")
    print(f"ratio wall:     {t[0] / t[1]:.2f}")
    print(f"ratio memory:   {m[0] / m[1]:.2f}")

if __name__ == "__main__":
    main()
