#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The batch benchmark; bench/batch.sh builds what it needs and runs it.

    /usr/bin/python3 bench/batch.py BUILD_DIR DATA_DIR JAVA_CLASSES_DIR \
        [--runs N] [--json FILE] [--label TEXT]
        [--baseline BUILD_DIR --baseline-json FILE --baseline-label TEXT]

Each of N runs (default 1) takes every figure below once; the tables give
the median of the runs for each figure, and --json writes every run and the
medians for bench/tables.py. In one run:
  - for each of Luhn, Creditcard, IBAN, EAN, ISBN and Verhoeff and the
    international identifiers isin, lei, gtin and imei (one file of numbers
    each, from bench/generate.py): `numerant-cli check SCHEME < file >
    /dev/null`, best of three; python-stdnum's is_valid on the same lines
    end to end in the same shape (bench/stdnum_check.py reads stdin and
    prints valid/invalid, `ean` for gtin), and strictly, is_valid alone on
    the lines read beforehand (bench/stdnum_check.py --strict); Python's
    numerant.check_many on the same lines (bench/python_many.py, best of
    three); the input floor (bench/input_floor.cpp), best of three, on Luhn;
  - the library's in-process fieldless check (bench/check_loop.cpp, the
    concrete class's IsValid) against Apache Commons Validator
    (bench/java/CheckDigitBench.java) on Luhn, EAN and Verhoeff;
  - the window's refresh step (the Refresh/ benchmarks of numerant_bench)
    and Check, IsValid and Calculate of every class (its other benchmarks,
    best of three repetitions).

With --baseline, a build of another commit is measured in the same runs,
each run taking the baseline's figures just before the branch's, and the
Google benchmarks alternate between the two builds scheme by scheme. This
machine's speed drifts by as much as half over minutes; measured so, both
sides of every comparison see the same drift.

Every measured process of a run runs on one processor, the one that does a
fixed piece of work fastest as the run starts (the cores of a shared
machine need not be equally fast); in paired runs, the calls of each scheme
run on the processor where the baseline's checks are quicker just before
them.

Times are the CPU time (user + system) of the measured process, which other
work on a shared machine disturbs least; wall-clock times are kept beside
them in the JSON. The ratios use CPU time.
"""
import argparse
import json
import os
import pathlib
import platform
import re
import statistics
import subprocess
import sys
import time

HERE = pathlib.Path(__file__).resolve().parent
# The scheme or format, its python-stdnum module.
SCHEMES = [("Luhn", "luhn"), ("Creditcard", "luhn"), ("IBAN", "iban"), ("EAN", "ean"),
           ("ISBN", "isbn"), ("Verhoeff", "verhoeff"), ("isin", "isin"), ("lei", "lei"),
           ("gtin", "ean"), ("imei", "imei")]
# Python's check_many is measured on these.
PYTHON_SCHEMES = ["Luhn", "IBAN", "EAN", "ISBN", "Verhoeff", "isin", "lei", "gtin", "imei"]
TARGET_STDNUM_RATIO = 50
TARGET_MANY_RATIO = 30
# How many times faster than Commons Validator the in-process check should be.
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
    return wall, usage.ru_utime + usage.ru_stime, os.waitstatus_to_exitcode(status)


def best_of(runs, command, stdin_path, allowed=(0, 1)):
    walls, cpus = [], []
    for _ in range(runs):
        wall, cpu, status = timed(command, stdin_path)
        if status not in allowed:
            sys.exit(f"{' '.join(map(str, command))} failed with status {status}")
        walls.append(wall)
        cpus.append(cpu)
    return min(walls), min(cpus)


def output(command, stdin_path=None):
    with open(stdin_path or os.devnull, "rb") as stdin:
        return subprocess.run(command, stdin=stdin, capture_output=True).stdout


def fastest_cpu():
    """The processor this process may run on that does a fixed piece of work
    in the least CPU time, and each one's best time of three (seconds). The
    two cores of the benchmark machine are not equally fast: one has run the
    same code at half the speed of the other for minutes at a time, and a
    process lands on either."""
    cpus = sorted(os.sched_getaffinity(0))
    if len(cpus) == 1:
        return cpus[0], {}
    best = {}
    for _ in range(3):
        for cpu in cpus:
            os.sched_setaffinity(0, {cpu})
            start = time.process_time()
            sum(range(3_000_000))
            seconds = time.process_time() - start
            best[cpu] = min(best.get(cpu, seconds), seconds)
    os.sched_setaffinity(0, cpus)
    return min(best, key=best.get), best


def processor():
    model = next((line.split(":", 1)[1].strip() for line in open("/proc/cpuinfo")
                  if line.startswith("model name")), platform.processor())
    return f"{os.cpu_count()} cores, {model}"


def stream(build, data, first):
    """numerant-cli, python-stdnum both ways, check_many and the floor."""
    cli = build / "cli" / "numerant-cli"
    floor = build / "bench" / "numerant_input_floor"
    results = {}
    for name, module in SCHEMES:
        path = data / f"{name}.txt"
        if not path.exists():
            continue
        probe = subprocess.run([cli, "check", name, "0"], capture_output=True, text=True)
        if probe.returncode == 2:
            continue
        figures = {"count": sum(1 for _ in open(path, "rb"))}
        figures["cli_wall"], figures["cli_cpu"] = best_of(3, [cli, "check", name], path)
        peer = ["/usr/bin/python3", HERE / "stdnum_check.py", module]
        figures["stdnum_wall"], figures["stdnum_cpu"] = best_of(1, peer, path, allowed=(0,))
        figures["strict_cpu"] = float(output(peer + ["--strict"], path))
        if name in PYTHON_SCHEMES and (build / "python").is_dir():
            many = output(["/usr/bin/python3", HERE / "python_many.py", build / "python", name,
                           path]).split()
            if many:
                figures["many_cpu"] = float(many[0])
        if name == "Luhn" and floor.exists():
            _, figures["floor_cpu"] = best_of(3, [floor], path, allowed=(0,))
        if first:
            ours = output([cli, "check", name], path).split(b"\n")
            theirs = output(peer, path).split(b"\n")
            figures["agree"] = sum(a == b for a, b in zip(ours, theirs)) - 1  # the empty tail
        results[name] = figures
        print(f"  {name}: numerant-cli {figures['cli_cpu']:.3f} s, python-stdnum "
              f"{figures['stdnum_cpu']:.3f} s, strictly {figures['strict_cpu']:.3f} s",
              file=sys.stderr, flush=True)
    return results


def in_process(build, data, java_classes):
    results = {}
    if not (build / "bench" / "numerant_check_loop").exists():
        return results
    for name in ("Luhn", "EAN", "Verhoeff"):
        path = data / f"{name}.txt"
        loop = [build / "bench" / "numerant_check_loop", name, path, "5"]
        ours = subprocess.run(loop + ["IsValid"], capture_output=True, text=True)
        check = subprocess.run(loop + ["Check"], capture_output=True, text=True)
        java = subprocess.run(["java", "-cp", f"{JAR}:{java_classes}", "CheckDigitBench", name,
                               path], capture_output=True, text=True)
        if ours.returncode or java.returncode:
            continue
        results[name] = {"ours_ns": float(ours.stdout.split()[3]),
                         "check_ns": float(check.stdout.split()[3]) if not check.returncode
                         else None,
                         "java_ns": float(java.stdout.split()[3]),
                         "ours_valid": int(ours.stdout.split()[2]),
                         "java_valid": int(java.stdout.split()[2])}
    return results


def google_benchmarks(build, benchmark_filter="^(Refresh|Check|IsValid|Calculate|Direct)/",
                      repetitions=3):
    """The window's refresh (median of its repetitions) and every class (best
    of three repetitions: another process slows a call down, never up)."""
    if not (build / "bench" / "numerant_bench").exists():
        return {}, {}
    run = subprocess.run([build / "bench" / "numerant_bench",
                          f"--benchmark_filter={benchmark_filter}",
                          "--benchmark_min_time=0.05", f"--benchmark_repetitions={repetitions}",
                          "--benchmark_format=json"],
                         capture_output=True, text=True, check=True)
    refresh, classes = {}, {}
    for b in json.loads(run.stdout)["benchmarks"]:
        if b["name"].startswith("Refresh/"):
            if b.get("aggregate_name") == "median":
                refresh[b["run_name"]] = b["cpu_time"]
        elif b.get("run_type", "iteration") == "iteration":
            name = b.get("run_name", b["name"])
            classes[name] = min(classes.get(name, b["cpu_time"]), b["cpu_time"])
    return refresh, classes


# The calls that choose a processor for a scheme's calls in paired runs.
PROBE_FILTER = "^Check/(EAN|IBAN|Verhoeff)/reused$"


def quicker_cpu(build):
    """The processor on which this build's checks of three classes take the
    least CPU time now, best of two tries on each. A core can run native code
    at little more than half speed for minutes while it still does
    fastest_cpu's Python work as fast as the other; chosen again before every
    scheme, by native work, the calls go to whichever core is quick at that
    moment, both builds' alike."""
    cpus = range(os.cpu_count() or 1)
    if len(cpus) == 1:
        return cpus[0]
    kept = os.sched_getaffinity(0)
    best = {}
    for _ in range(2):
        for cpu in cpus:
            os.sched_setaffinity(0, {cpu})
            run = subprocess.run([build / "bench" / "numerant_bench",
                                  f"--benchmark_filter={PROBE_FILTER}",
                                  "--benchmark_min_time=0.01", "--benchmark_format=json"],
                                 capture_output=True, text=True, check=True)
            seconds = sum(b["cpu_time"] for b in json.loads(run.stdout)["benchmarks"])
            best[cpu] = min(best.get(cpu, seconds), seconds)
    os.sched_setaffinity(0, kept)
    return min(best, key=best.get)


def paired_google_benchmarks(build, baseline, rounds=3):
    """google_benchmarks of both builds, alternating: the refresh step, then
    the calls of one scheme at a time, the baseline's first. A scheme's calls
    run one repetition a build in each of three rounds, the best kept: the
    machine changes speed from one second to the next, and a change between
    the two builds' turns then costs one round, not the comparison. Each
    scheme's calls run on the processor that quicker_cpu finds quicker with
    the baseline just before them."""
    listed = subprocess.run([build / "bench" / "numerant_bench", "--benchmark_list_tests"],
                            capture_output=True, text=True, check=True).stdout.split()
    names = []
    for test in listed:
        parts = test.split("/")
        if parts[0] in ("Check", "IsValid", "Calculate", "Direct") and parts[1] not in names:
            names.append(parts[1])
    groups = [f"^(Check|IsValid|Calculate|Direct)/{re.escape(name)}/" for name in names]
    mine, theirs = ({}, {}), ({}, {})
    for into, source in ((theirs, baseline), (mine, build)):
        into[0].update(google_benchmarks(source, "^Refresh/")[0])
    kept = os.sched_getaffinity(0)
    chosen = []
    for group in groups:
        chosen.append(quicker_cpu(baseline))
        os.sched_setaffinity(0, {chosen[-1]})
        for _ in range(rounds):
            for into, source in ((theirs, baseline), (mine, build)):
                for name, ns in google_benchmarks(source, group, repetitions=1)[1].items():
                    into[1][name] = min(into[1].get(name, ns), ns)
    os.sched_setaffinity(0, kept)
    print("  the schemes' processors: " +
          ", ".join(f"{cpu}: {chosen.count(cpu)}" for cpu in sorted(set(chosen))),
          file=sys.stderr, flush=True)
    return mine, theirs


def one_run(build, data, java_classes, first, google=True):
    run = {"load": os.getloadavg()[0]}
    run["stream"] = stream(build, data, first)
    run["in_process"] = in_process(build, data, java_classes)
    if google:
        run["refresh"], run["classes"] = google_benchmarks(build)
    return run


def medians(runs):
    """The median over the runs of every number that each run holds."""
    first = runs[0]
    if isinstance(first, dict):
        return {key: medians([run[key] for run in runs if key in run]) for key in first}
    if isinstance(first, (int, float)) and not isinstance(first, bool):
        values = [value for value in runs if value is not None]
        return statistics.median(values) if values else None
    return first


def rate(count, seconds):
    return count / seconds if seconds else float("inf")


def verdicts(m):
    """(what, figure, met) for every target, from the median figures."""
    found = []
    for name, f in m["stream"].items():
        for measure, key in (("end to end", "stdnum_cpu"), ("strictly", "strict_cpu")):
            ratio = f[key] / f["cli_cpu"]
            found.append((f"numerant-cli check {name} at least {TARGET_STDNUM_RATIO}x "
                          f"python-stdnum, {measure}", f"{ratio:.0f}x",
                          ratio >= TARGET_STDNUM_RATIO))
        if f.get("many_cpu"):
            ratio = f["strict_cpu"] / f["many_cpu"]
            found.append((f"numerant.check_many {name} at least {TARGET_MANY_RATIO}x "
                          f"python-stdnum's is_valid", f"{ratio:.0f}x", ratio >= TARGET_MANY_RATIO))
        if f.get("floor_cpu"):
            share = f["floor_cpu"] / f["cli_cpu"]
            found.append((f"numerant-cli check {name} at least {TARGET_FLOOR_SHARE:.0%} of the "
                          "input floor", f"{share:.1%}", share >= TARGET_FLOOR_SHARE))
    for name, f in m["in_process"].items():
        target = TARGET_JAVA_RATIO.get(name, 1)
        ratio = f["java_ns"] / f["ours_ns"]
        found.append((f"in-process {name} (fieldless) at least {target}x Commons Validator",
                      f"{ratio:.2f}x", ratio >= target))
    classes = m["classes"]
    for route in ("Check", "IsValid"):
        iban = classes.get(f"{route}/IBAN/reused")
        if iban is not None:
            found.append((f"IBAN {route} at most {TARGET_IBAN_NS} ns", f"{iban:.0f} ns",
                          iban <= TARGET_IBAN_NS))
    reused = {name: t for name, t in classes.items() if name.endswith("/reused")}
    if reused:
        slowest = max(reused.items(), key=lambda item: item[1])
        found.append((f"no class above {TARGET_CLASS_NS} ns (Check, IsValid, Calculate; reused "
                      "object)", f"{slowest[1]:.0f} ns ({slowest[0]})",
                      slowest[1] <= TARGET_CLASS_NS))
    if m["refresh"]:
        worst = max(m["refresh"].values())
        found.append((f"window refresh median under {TARGET_REFRESH_NS / 1000:.0f} us",
                       f"{worst / 1000:.2f} us", worst < TARGET_REFRESH_NS))
    return found


def print_tables(m, runs):
    print(f"Machine: {m['processor']}; medians of {runs} run(s); load average "
          f"{m['load']:.1f} (median at the start of a run)\n")
    print("End to end through stdin/stdout, numbers per second of CPU time "
          "(M = million, k = thousand):\n")
    print("| Scheme | numbers | numerant-cli | python-stdnum | ratio | python-stdnum strictly "
          "| ratio | numerant.check_many | ratio to strict | agreement |")
    print("|---|---|---|---|---|---|---|---|---|---|")
    for name, f in m["stream"].items():
        count = f["count"]
        many = f.get("many_cpu")
        print(f"| {name} | {count:,.0f} | {rate(count, f['cli_cpu']) / 1e6:.2f} M | "
              f"{rate(count, f['stdnum_cpu']) / 1e3:.0f} k | {f['stdnum_cpu'] / f['cli_cpu']:.0f}x | "
              f"{rate(count, f['strict_cpu']) / 1e3:.0f} k | {f['strict_cpu'] / f['cli_cpu']:.0f}x | "
              + (f"{rate(count, many) / 1e6:.2f} M | {f['strict_cpu'] / many:.0f}x | " if many
                 else "| | ")
              + (f"{f['agree']:,.0f} of {count:,.0f} |" if "agree" in f else " |"))
    luhn = m["stream"].get("Luhn", {})
    if luhn.get("floor_cpu"):
        print(f"\nInput floor on the Luhn file: {rate(luhn['count'], luhn['floor_cpu']) / 1e6:.1f} M "
              f"lines a second; numerant-cli check Luhn reaches "
              f"{luhn['floor_cpu'] / luhn['cli_cpu']:.1%} of it.")
    print("\nIn process, one reused object of the concrete class, nanoseconds per number "
          "(best of five passes):\n")
    print("| Routine | IsValid | Check | Commons Validator (Java 17) | Java / IsValid |")
    print("|---|---|---|---|---|")
    for name, f in m["in_process"].items():
        check = f"{f['check_ns']:.1f}" if f.get("check_ns") else ""
        print(f"| {name} | {f['ours_ns']:.1f} | {check} | {f['java_ns']:.1f} | "
              f"{f['java_ns'] / f['ours_ns']:.2f}x |")
    classes = m["classes"]
    names = []
    for key in classes:
        if key.startswith(("Check/", "IsValid/", "Calculate/")):
            scheme = key.split("/")[1]
            if scheme not in names:
                names.append(scheme)
    print("\nEvery class on its sample through the Scheme interface, nanoseconds of CPU time "
          "per call ('fresh' creates the object for every call, as the window does):\n")
    print("| Class | IsValid reused | Check reused | Check fresh | Calculate reused | "
          "Calculate fresh |")
    print("|---|---|---|---|---|---|")
    for scheme in names:
        cells = [classes.get(key) for key in
                 (f"IsValid/{scheme}/reused", f"Check/{scheme}/reused", f"Check/{scheme}/fresh",
                  f"Calculate/{scheme}/reused", f"Calculate/{scheme}/fresh")]
        print(f"| {scheme} | " + " | ".join("" if t is None else f"{t:.0f}" for t in cells) + " |")
    if m["refresh"]:
        worst = sorted(m["refresh"].items(), key=lambda item: -item[1])[:3]
        print("\nThe window's refresh step, slowest medians: " +
              ", ".join(f"{name} {t:,.0f} ns" for name, t in worst) + ".")
    print("\nTargets:")
    for what, figure, met in verdicts(m):
        print(f"  {'met   ' if met else 'MISSED'} {what}: {figure}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", type=pathlib.Path)
    parser.add_argument("data", type=pathlib.Path)
    parser.add_argument("java_classes", type=pathlib.Path)
    parser.add_argument("--runs", type=int, default=1)
    parser.add_argument("--json", type=pathlib.Path)
    parser.add_argument("--label", default="")
    parser.add_argument("--baseline", type=pathlib.Path)
    parser.add_argument("--baseline-json", type=pathlib.Path)
    parser.add_argument("--baseline-label", default="")
    args = parser.parse_args()
    runs, baseline_runs = [], []
    for number in range(args.runs):
        # Every process of a run runs on one and the same processor, the
        # faster one as the run starts: a comparison is then not of two cores.
        os.sched_setaffinity(0, range(os.cpu_count() or 1))
        cpu, probes = fastest_cpu()
        os.sched_setaffinity(0, {cpu})
        print(f"Run {number + 1} of {args.runs}, on processor {cpu} (probe: " +
              ", ".join(f"{k}: {v * 1000:.0f} ms" for k, v in sorted(probes.items())) +
              ") ...", file=sys.stderr, flush=True)
        first = number == 0
        if not args.baseline:
            runs.append(one_run(args.build, args.data, args.java_classes, first))
            runs[-1]["cpu"] = cpu
            continue
        print("  the baseline:", file=sys.stderr, flush=True)
        theirs = one_run(args.baseline, args.data, args.java_classes, first, google=False)
        print("  the branch:", file=sys.stderr, flush=True)
        mine = one_run(args.build, args.data, args.java_classes, first, google=False)
        print("  every class, alternately ...", file=sys.stderr, flush=True)
        (mine["refresh"], mine["classes"]), (theirs["refresh"], theirs["classes"]) = \
            paired_google_benchmarks(args.build, args.baseline)
        mine["cpu"] = theirs["cpu"] = cpu
        runs.append(mine)
        baseline_runs.append(theirs)
    for these, path, label in ((baseline_runs, args.baseline_json, args.baseline_label),
                               (runs, args.json, args.label)):
        if not these:
            continue
        m = medians(these)
        m["processor"] = processor()
        m["runs"] = args.runs
        m["paired"] = bool(args.baseline)
        # The agreement is counted in the first run only.
        for name, f in these[0]["stream"].items():
            if "agree" in f:
                m["stream"][name]["agree"] = f["agree"]
        print(f"\n{label}:")
        print_tables(m, args.runs)
        if path:
            path.write_text(json.dumps({"label": label, "median": m, "runs": these}, indent=1))


if __name__ == "__main__":
    main()
