"""make bench-windows: velmoor.exe's start-up under Wine, against a bare Qt Widgets window
built with the same Qt and compilers and a plain Win32 window; writes bench/RESULTS-windows.md.

From starting `wine PROGRAM.exe` to the first MapNotify of a window on an X server of its own
(Xvfb, no window manager), and peak resident memory (VmHWM) of the program's process then;
the three interleaved, RUNS rounds, in a Wine prefix of the bench's own whose server stays up
(what every program pays to start Wine's services is paid once, before the first round).

    windows.py FOLDER RUNS   (FOLDER: velmoor.exe, bare_qt.exe and empty_win32.exe beside
                              the Qt libraries)"""

import os
import statistics
import subprocess
import sys
import time

from Xlib import X, display

FOLDER = os.path.abspath(sys.argv.pop(1))
RUNS = int(sys.argv.pop(1)) if len(sys.argv) > 1 else 20
sys.argv[1:] = [FOLDER]
sys.path.insert(0, os.path.dirname(__file__))
import run  # noqa: E402  the X server, the first map, the memory, the spreads of make bench

TOP = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
PROGRAMS = [("velmoor.exe", "velmoor.exe"), ("bare Qt Widgets window", "bare_qt.exe"),
            ("plain Win32 window", "empty_win32.exe")]


def main():
    server, run.DISPLAY = run.start_x()
    env = {"PATH": "/usr/bin:/bin", "DISPLAY": run.DISPLAY, "HOME": os.environ.get("HOME", "/root"),
           "WINEPREFIX": os.path.join(FOLDER, "wine"), "WINEDEBUG": "-all",
           # no menu entries or file types written into the user's home
           "WINEDLLOVERRIDES": "mscoree,mshtml=;winemenubuilder.exe=d"}
    try:
        # Not captured: Wine's services would hold the output open for good.
        quiet = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
        if not os.path.exists(os.path.join(env["WINEPREFIX"], "system.reg")):
            subprocess.run(["wineboot", "--init"], env=env, **quiet)
            subprocess.run(["wineserver", "-w"], env=env)
        subprocess.run(["wineserver", "-p"], env=env, **quiet)
        subprocess.run(["wine", "cmd", "/c", "exit"], env=env, **quiet)  # Wine's services
        conn = display.Display(run.DISPLAY)
        conn.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        conn.sync()
        results = {name: {"seconds": [], "memory": []} for name, _ in PROGRAMS}
        for round_ in range(RUNS + 1):
            for name, exe in PROGRAMS:
                while conn.pending_events():
                    conn.next_event()
                started = time.monotonic()
                process = subprocess.Popen(["wine", os.path.join(FOLDER, exe)], env=env, cwd=FOLDER,
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                window = run.first_map(conn, process, timeout=60)
                seconds = time.monotonic() - started
                if window is None:
                    raise RuntimeError("%s showed no window" % exe)
                memory = run.peak_memory(process.pid)
                process.kill()
                process.wait()
                time.sleep(0.3)  # its windows gone before the next starts
                if round_:  # the first round warms the file cache and the prefix
                    results[name]["seconds"].append(seconds)
                    results[name]["memory"].append(memory)
    finally:
        subprocess.run(["wineserver", "-k"], env=env)
        server.kill()
        server.wait()
    write(results)
    bare = statistics.median(results["bare Qt Widgets window"]["seconds"])
    print("velmoor.exe / bare Qt under Wine: %.2f" % (statistics.median(results["velmoor.exe"]["seconds"]) / bare))
    print("written: bench/RESULTS-windows.md")
    return 0


def write(results):
    bare = results["bare Qt Widgets window"]
    bare_t, bare_m = statistics.median(bare["seconds"]), statistics.median(bare["memory"])
    lines = ["# Benchmark results under Wine", "",
             "Written by `make bench-windows` (`bench/windows.py FOLDER %d`) on %s; %d cores; %s. Every "
             "figure is a median with (min-max) of %d interleaved runs, or a ratio of two medians of the "
             "same run." % (RUNS, time.strftime("%Y-%m-%d"), os.cpu_count(),
                            subprocess.run(["wine", "--version"], capture_output=True, text=True).stdout.strip(),
                            RUNS), "",
             "From `wine PROGRAM.exe` to the first MapNotify of its window on Xvfb without a window manager; "
             "peak resident memory (VmHWM) of the program's process once the window is mapped. Target: "
             "velmoor.exe / bare Qt <= 1.00 for time and memory, as on Linux.", "",
             "| program | time to window (ms) | / bare Qt | peak memory (MiB) | / bare Qt |",
             "| --- | --- | --- | --- | --- |"]
    for name, r in results.items():
        lines.append("| %s | %s | %.2f | %s | %.2f |" % (
            name, run.spread(r["seconds"], 1000, "", 1), statistics.median(r["seconds"]) / bare_t,
            run.spread(r["memory"], 1 / 1024, "", 1), statistics.median(r["memory"]) / bare_m))
    lines.append("")
    with open(os.path.join(TOP, "bench", "RESULTS-windows.md"), "w") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    sys.exit(main())
