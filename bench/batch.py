#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The batch benchmark; bench/batch.sh builds what it needs and runs it.

    /usr/bin/python3 bench/batch.py BUILD_DIR DATA_DIR JAVA_CLASSES_DIR

For each of Luhn, Creditcard, IBAN, EAN, ISBN and Verhoeff (one file of
numbers each, from bench/generate.py) it times, in one run:
  - `numerant-cli check SCHEME < file > /dev/null`, best of five;
  - python-stdnum's is_valid on the same lines, end to end in the same shape
    (bench/stdnum_check.py reads stdin and prints valid/invalid), best of two;
  - the input floor (bench/input_floor.cpp), best of five;
then the library's in-process Check (bench/check_loop.cpp) against Apache
Commons Validator (bench/java/CheckDigitBench.java) on Luhn, EAN and
Verhoeff, the window's refresh step (the Refresh/ benchmarks of
numerant_bench, median of five repetitions) and Calculate and Check of every
class (the other benchmarks of numerant_bench).

Times are taken both as wall-clock time and as the CPU time (user + system)
of the measured process; the ratios use CPU time, which other work on a
shared machine disturbs least. Both are printed.
"""
import json
import os
import pathlib
import platform
import subprocess
import sys
import time

HERE = pathlib.Path(__file__).resolve().parent
SCHEMES = [("Luhn", "luhn"), ("Creditcard", "luhn"), ("IBAN", "iban"), ("EAN", "ean"),
           ("ISBN", "isbn"), ("Verhoeff", "verhoeff")]
TARGET_STDNUM_RATIO = 50
# How many times faster than Commons Validator the in-process Check should be.
TARGET_JAVA_RATIO = {"Luhn": 1.2, "EAN": 1.5, "Verhoeff": 1.2}
TARGET_IBAN_NS = 100
TARGET_CLASS_NS = 150
TARGET_FLOOR_SHARE = 0.25
TARGET_REFRESH_NS = 20_000
JAR = "/usr/share/java/commons-validator.jar"


def timed(command, stdin_path, stdout=subprocess.DEVNULL):
    """Runs a command with a file on stdin; returns (wall s, cpu s, exit status)."""
    with open(stdin_path, "rb") as stdin:
        start = time.perf_counter()
        process = subprocess.Popen(command, stdin=stdin, stdout=stdout)
        _, status, usage = os.wait4(process.pid, 0)
        wall = time.perf_counter() - start
    process.returncode = os.waitstatus_to_exitcode(status)
    return wall, usage.ru_utime + usage.ru_stime, process.returncode


def best_of(runs, command, stdin_path, allowed=(0, 1)):
    walls, cpus = [], []
    for _ in range(runs):
        wall, cpu, status = timed(command, stdin_path)
        if status not in allowed:
            sys.exit(f"{' '.join(map(str, command))} failed with status {status}")
        walls.append(wall)
        cpus.append(cpu)
    return min(walls), min(cpus)


def answers(command, stdin_path):
    with open(stdin_path, "rb") as stdin:
        return subprocess.run(command, stdin=stdin, capture_output=True).stdout.split(b"\n")


def rate(count, seconds):
    return count / seconds if seconds > 0 else float("inf")


def machine():
    model = next((line.split(":", 1)[1].strip() for line in open("/proc/cpuinfo")
                  if line.startswith("model name")), platform.processor())
    return f"{os.cpu_count()} cores ({model}), load average {os.getloadavg()[0]:.1f} at start"


def batch(build, data):
    cli = build / "cli" / "numerant-cli"
    floor = build / "bench" / "numerant_input_floor"
    print("End to end through stdin/stdout, numbers per second (M = million, k = thousand):\n")
    print("| Scheme | numbers | numerant-cli CPU | wall | python-stdnum CPU | wall | ratio (CPU) | "
          "target | input floor CPU | share of floor | agreement |")
    print("|---|---|---|---|---|---|---|---|---|---|---|")
    results = {}
    for name, module in SCHEMES:
        path = data / f"{name}.txt"
        count = sum(1 for _ in open(path, "rb"))
        probe = subprocess.run([cli, "check", name, "0"], capture_output=True, text=True)
        if probe.returncode == 2:
            print(f"| {name} | not measured: {probe.stderr.splitlines()[0]} |", flush=True)
            continue
        ours_wall, ours_cpu = best_of(5, [cli, "check", name], path)
        theirs_wall, theirs_cpu = best_of(2, ["/usr/bin/python3", HERE / "stdnum_check.py", module],
                                          path, allowed=(0,))
        floor_wall, floor_cpu = best_of(5, [floor], path, allowed=(0,))
        ours = answers([cli, "check", name], path)
        theirs = answers(["/usr/bin/python3", HERE / "stdnum_check.py", module], path)
        agree = sum(a == b for a, b in zip(ours, theirs)) - 1  # the empty tail
        ratio = theirs_cpu / ours_cpu
        share = floor_cpu / ours_cpu if name == "Luhn" else None
        results[name] = (ratio, share)
        print(f"| {name} | {count:,} | {rate(count, ours_cpu) / 1e6:.2f} M | "
              f"{rate(count, ours_wall) / 1e6:.2f} M | {rate(count, theirs_cpu) / 1e3:.0f} k | "
              f"{rate(count, theirs_wall) / 1e3:.0f} k | {ratio:.0f}x | {TARGET_STDNUM_RATIO}x | "
              f"{rate(count, floor_cpu) / 1e6:.1f} M | {floor_cpu / ours_cpu:.1%} | "
              f"{agree:,} of {count:,} |", flush=True)
    return results


def in_process(build, data, java_classes):
    print("\nIn-process check of a number, one reused object, nanoseconds per check "
          "(best of five passes over the same numbers as above):\n")
    print("| Routine | Numerant (C++) | Commons Validator (Java 17) | Java / Numerant | "
          "valid numbers (ours, Java) |")
    print("|---|---|---|---|---|")
    results = {}
    for name in ("Luhn", "EAN", "Verhoeff"):
        path = data / f"{name}.txt"
        ours = subprocess.run([build / "bench" / "numerant_check_loop", name, path],
                              capture_output=True, text=True)
        java = subprocess.run(["java", "-cp", f"{JAR}:{java_classes}", "CheckDigitBench", name,
                               path], capture_output=True, text=True)
        if ours.returncode or java.returncode:
            print(f"| {name} | {ours.stderr.strip() or '-'} | {java.stderr.strip() or '-'} | | |")
            continue
        _, _, our_valid, our_ns = ours.stdout.split()
        _, _, java_valid, java_ns = java.stdout.split()
        ratio = float(java_ns) / float(our_ns)
        results[name] = ratio
        print(f"| {name} | {float(our_ns):.1f} | {float(java_ns):.1f} | {ratio:.2f}x | "
              f"{int(our_valid):,}, {int(java_valid):,} |", flush=True)
    return results


def refresh(build):
    print("\nThe window's refresh step, median of five repetitions, nanoseconds "
          "(slowest rows first):\n")
    run = subprocess.run([build / "bench" / "numerant_bench", "--benchmark_filter=^Refresh/",
                          "--benchmark_min_time=0.05", "--benchmark_format=json"],
                         capture_output=True, text=True, check=True)
    medians = [(b["cpu_time"], b["run_name"]) for b in json.loads(run.stdout)["benchmarks"]
               if b.get("aggregate_name") == "median"]
    medians.sort(reverse=True)
    print("| Refresh | median CPU time |")
    print("|---|---|")
    for cpu, name in medians[:5]:
        print(f"| {name} | {cpu:,.0f} ns |")
    print(f"\n{len(medians)} refreshes measured; the slowest median is "
          f"{medians[0][0] / 1000:.2f} us (target under {TARGET_REFRESH_NS / 1000:.0f} us).")
    return medians[0][0] if medians else None


def schemes(build):
    print("\nCalculate and Check of every class on its sample (tests/schemes/samples.h), nanoseconds of "
          "CPU time per call, through the Scheme interface; 'fresh' creates the object for "
          "every call as the window does:\n")
    run = subprocess.run([build / "bench" / "numerant_bench",
                          "--benchmark_filter=^(Check|Calculate|Direct)/",
                          "--benchmark_min_time=0.05", "--benchmark_format=json"],
                         capture_output=True, text=True, check=True)
    times = {b["name"]: b["cpu_time"] for b in json.loads(run.stdout)["benchmarks"]}
    names = []
    for name in times:
        scheme = name.split("/")[1]
        if name.startswith(("Check/", "Calculate/")) and scheme not in names:
            names.append(scheme)
    print("| Class | Check reused | Check fresh | Calculate reused | Calculate fresh |")
    print("|---|---|---|---|---|")
    for scheme in names:
        cells = [times.get(f"{op}/{scheme}/{how}") for op in ("Check", "Calculate")
                 for how in ("reused", "fresh")]
        print(f"| {scheme} | " + " | ".join(f"{t:.0f}" for t in cells) + " |")
    reused = {name: t for name, t in times.items() if name.endswith("/reused")}
    direct = [(name, t) for name, t in times.items() if name.startswith("Direct/")]
    if direct:
        print("\nDirect calls on the concrete class (no interface, one reused object): " +
              ", ".join(f"{name[7:]} {t:.0f} ns" for name, t in direct) + ".")
    return reused


def main():
    build, data, java_classes = map(pathlib.Path, sys.argv[1:4])
    print(f"Machine: {machine()}\n")
    stream = batch(build, data)
    direct = in_process(build, data, java_classes)
    worst_refresh = refresh(build)
    reused = schemes(build)

    print("\nTargets:")
    verdicts = []
    for name, (ratio, share) in stream.items():
        verdicts.append((f"numerant-cli {name} at least {TARGET_STDNUM_RATIO}x python-stdnum",
                         f"{ratio:.0f}x", ratio >= TARGET_STDNUM_RATIO))
        if share is not None:
            verdicts.append((f"numerant-cli {name} at least {TARGET_FLOOR_SHARE:.0%} of the input floor",
                             f"{share:.1%}", share >= TARGET_FLOOR_SHARE))
    for name, ratio in direct.items():
        target = TARGET_JAVA_RATIO.get(name, 1)
        verdicts.append((f"in-process {name} Check at least {target}x Commons Validator",
                         f"{ratio:.2f}x", ratio >= target))
    iban = reused.get("Check/IBAN/reused")
    if iban is not None:
        verdicts.append((f"IBAN Check reused at most {TARGET_IBAN_NS} ns", f"{iban:.0f} ns",
                         iban <= TARGET_IBAN_NS))
    slowest = max(reused.items(), key=lambda item: item[1])
    verdicts.append((f"no class above {TARGET_CLASS_NS} ns, Check and Calculate reused",
                     f"{slowest[1]:.0f} ns ({slowest[0]})", slowest[1] <= TARGET_CLASS_NS))
    if worst_refresh is not None:
        verdicts.append((f"window refresh median under {TARGET_REFRESH_NS / 1000:.0f} us",
                         f"{worst_refresh / 1000:.2f} us", worst_refresh < TARGET_REFRESH_NS))
    for what, figure, met in verdicts:
        print(f"  {'met   ' if met else 'MISSED'} {what}: {figure}")


if __name__ == "__main__":
    main()
