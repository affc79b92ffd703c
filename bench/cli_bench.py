#!/usr/bin/env python3
"""tevo-cli as a user runs it: a goods write to ten simulators, and the start-up of a command.

  bench/cli_bench.py BIN_DIR [--range R] [--fast] [--scales N] [--startups N]

  - `tevo-cli write-goods --range R [--fast]` to N simulators on 127.0.0.1 (default 1-4000 to
    ten): wall time and the peak memory (maximum resident set) of tevo-cli;
  - `tevo-cli scales`, run --startups times (default 30): median and 90th percentile of the wall
    time from exec to exit.

Every simulator must hold every record of the range at the end, or the run counts as failed.
Uses nothing but Python's standard library; not part of the test suite.
"""
import argparse
import os
import shutil
import sqlite3
import statistics
import subprocess
import sys
import tempfile
import time


def run_measured(cmd):
    """Runs cmd; returns (exit status, seconds, peak resident set in MiB)."""
    started = time.monotonic()
    p = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(p.pid, 0)
    seconds = time.monotonic() - started
    p.returncode = os.waitstatus_to_exitcode(status)
    return p.returncode, seconds, usage.ru_maxrss / 1024.0


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("bin")
    ap.add_argument("--range", default="1-4000")
    ap.add_argument("--fast", action="store_true")
    ap.add_argument("--scales", type=int, default=10)
    ap.add_argument("--startups", type=int, default=30)
    a = ap.parse_args()

    folder = tempfile.mkdtemp(prefix="tevo-cli-bench-")
    sims = []
    try:
        cli = os.path.join(folder, "tevo-cli")
        shutil.copy(os.path.join(a.bin, "tevo-cli"), cli)
        db = os.path.join(folder, "TevoDataBase.gdb")
        subprocess.run([os.path.join(a.bin, "tevo-initdb"), db], check=True, capture_output=True)
        with sqlite3.connect(db) as c:
            c.execute("UPDATE T SET TNAME1='Товар ' || NPLU, TNAME2='вес.', PRICE=NPLU * 10, UBDATE='5', "
                      "CODE=NPLU, GROUPCODE=7")
            for i in range(a.scales):
                # The simulator's log (one line per request taken) tells what it holds; a --dump
                # would rewrite its whole JSON after every record and become the bottleneck.
                log = os.path.join(folder, "sim%d.log" % i)
                out = open(log, "w")
                p = subprocess.Popen([os.path.join(a.bin, "tevo-scalesim"), "--port", "0", "--log"],
                                     stdout=out, stderr=subprocess.DEVNULL)
                out.close()
                sims.append((p, log))
                while not open(log).readline().endswith("\n"):
                    time.sleep(0.01)
                port = int(open(log).readline().split()[1])
                c.execute("INSERT INTO S (U, W, NAME, IP, PORT) VALUES ('T', 'T', ?, '127.0.0.1', ?)",
                          ("Касса %d" % (i + 1), port))

        cmd = [cli, "write-goods", "--range", a.range, "--timeout", "30"] + (["--fast"] if a.fast else [])
        rc, seconds, peak = run_measured(cmd)
        for p, _ in sims:
            p.terminate()
            p.wait(30)
        first, last = (int(x) for x in a.range.split("-"))
        held = [len({line for line in open(log) if line.startswith("stored goods ")}) for _, log in sims]
        ok = rc == 0 and all(n == last - first + 1 for n in held)
        print("write-goods --range %s%s to %d scales: %.1f s, peak memory %.1f MiB, exit %d, %s"
              % (a.range, " --fast" if a.fast else "", a.scales, seconds, peak, rc,
                 "every scale holds every record" if ok else "FAILED: records held %s" % held))

        times = []
        for _ in range(a.startups):
            rc, seconds, _ = run_measured([cli, "scales"])
            if rc != 0:
                print("scales: exit %d" % rc)
                return 1
            times.append(seconds * 1000)
        times.sort()
        print("scales start-up: median %.1f ms, 90th percentile %.1f ms (%d runs)"
              % (statistics.median(times), times[int(0.9 * (len(times) - 1))], len(times)))
        return 0 if ok else 1
    finally:
        for p, _ in sims:
            if p.poll() is None:
                p.kill()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
