#!/usr/bin/env python3
"""Start-up as users see it: the tool, the same form built with plain Qt
(form_floor_bench) and a plain Qt dialog of four controls (floor_bench),
run alternately under a real X server (Xvfb, the xcb platform) and, where
weston is installed, under a headless Wayland compositor. For each: the
median wall time from exec to the first paint of the main window, the
median peak resident memory, and the three ratios that split the cost into
the form's and ours.

    python3 bench/run_startup.py BUILD_DIR [RUNS]
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

PROGRAMS = ("startup_bench", "form_floor_bench", "floor_bench")


def run_once(program, env):
    read_end, write_end = os.pipe()
    os.set_inheritable(write_end, True)
    child_env = dict(env, TQR_PAINT_FD=str(write_end))
    start = time.monotonic_ns()
    pid = os.fork()
    if pid == 0:
        os.close(read_end)
        devnull = os.open(os.devnull, os.O_WRONLY)
        os.dup2(devnull, 1)
        os.dup2(devnull, 2)
        os.execve(program, [program], child_env)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        painted = pipe.read().strip()
    _, status, usage = os.wait4(pid, 0)
    if status != 0 or not painted:
        sys.exit(f"{program} failed with status {status}")
    return (int(painted) - start) / 1e9, usage.ru_maxrss  # seconds, KiB


def wait_for(path, seconds=10):
    deadline = time.monotonic() + seconds
    while not os.path.exists(path):
        if time.monotonic() > deadline:
            return False
        time.sleep(0.05)
    return True


def start_xvfb(home):
    """A private X server; its environment, and the process to stop."""
    xvfb = shutil.which("Xvfb")
    if xvfb is None:
        return None, None
    for n in range(90, 120):
        if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"):
            break
    server = subprocess.Popen([xvfb, f":{n}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if not wait_for(f"/tmp/.X11-unix/X{n}"):
        server.kill()
        return None, None
    return {"QT_QPA_PLATFORM": "xcb", "DISPLAY": f":{n}"}, server


def start_weston(home):
    weston = shutil.which("weston")
    if weston is None:
        return None, None
    server = subprocess.Popen([weston, "--backend=headless-backend.so", "--socket=tqr-bench", "--idle-time=0"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              env=dict(os.environ, XDG_RUNTIME_DIR=home))
    if not wait_for(os.path.join(home, "tqr-bench")):
        server.kill()
        return None, None
    return {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "tqr-bench"}, server


def measure(build, runs, platform_env, home):
    programs = [os.path.join(build, "bench", p) for p in PROGRAMS]
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env.update(platform_env, XDG_CONFIG_HOME=os.path.join(home, "config"), XDG_RUNTIME_DIR=home)
    results = {p: [] for p in programs}
    for _ in range(2):  # warm the file cache
        for p in programs:
            run_once(p, env)
    for _ in range(runs):
        for p in programs:
            results[p].append(run_once(p, env))
    return [(statistics.median(w for w, _ in results[p]), statistics.median(r for _, r in results[p]))
            for p in programs]


def report(name, runs, figures):
    (tool_t, tool_m), (form_t, form_m), (floor_t, floor_m) = figures
    print(f"{name}: {runs} runs each, alternating; median time from exec to first paint, median peak RSS")
    for program, (t, m) in zip(PROGRAMS, figures):
        print(f"  {program:17} {t * 1000:7.1f} ms  {m / 1024:6.1f} MiB")
    print(f"  ours  (tool / same form)        time x{tool_t / form_t:.3f}  memory x{tool_m / form_m:.3f}")
    print(f"  form  (same form / 4 controls)  time x{form_t / floor_t:.3f}  memory x{form_m / floor_m:.3f}")
    print(f"  all   (tool / 4 controls)       time x{tool_t / floor_t:.3f}  memory x{tool_m / floor_m:.3f}")


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build-bench"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
    measured = False
    for name, start in (("Xvfb (xcb)", start_xvfb), ("headless Wayland (weston)", start_weston)):
        with tempfile.TemporaryDirectory() as home:
            os.chmod(home, 0o700)
            platform_env, server = start(home)
            if server is None:
                print(f"{name}: not installed or did not start; skipped")
                continue
            try:
                report(name, runs, measure(build, runs, platform_env, home))
                measured = True
            finally:
                server.terminate()
                server.wait()
    if not measured:
        sys.exit("no display server to measure under (install xvfb)")


if __name__ == "__main__":
    main()
