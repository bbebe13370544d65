#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The Python module against python-stdnum, in one process and one run.

    cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release \\
          -DNUMERANT_BUILD_APP=OFF -DNUMERANT_BUILD_TESTS=OFF
    cmake --build build-bench --parallel 2 --target numerant_python
    /usr/bin/python3 bench/python_bench.py build-bench [COUNT]

For each of Luhn, IBAN, EAN, ISBN and Verhoeff, the same COUNT numbers
(default 1,000,000; half valid, half with one digit changed, the files of
bench/generate.py, written once to BUILD/batch-data-COUNT/) go through
  - python-stdnum's is_valid, called in a loop;
  - numerant.check, called in the same loop;
  - numerant.check_many, one call for the whole list.
The three take turns over five rounds (python-stdnum in three of them), so
that a burst of other work on the machine cannot fall on all passes of one
of them; each counts with its best pass. Times are the CPU time of this
process; the ratios compare them. All three must give the same answers for
every number.
"""
import importlib
import pathlib
import subprocess
import sys
import time

HERE = pathlib.Path(__file__).resolve().parent
SCHEMES = [("Luhn", "luhn"), ("IBAN", "iban"), ("EAN", "ean"), ("ISBN", "isbn"),
           ("Verhoeff", "verhoeff")]
TARGET_CHECK = 5
TARGET_MANY = 30


ROUNDS = 5
STDNUM_ROUNDS = (0, 2, 4)


def take_turns(runs):
    """The answers of each run and its least CPU time, the runs taking turns
    over the rounds; a run with a tuple of rounds runs in those only."""
    answers = [None] * len(runs)
    best = [float("inf")] * len(runs)
    for round_number in range(ROUNDS):
        for i, (run, rounds) in enumerate(runs):
            if rounds is not None and round_number not in rounds:
                continue
            start = time.process_time()
            answers[i] = run()
            best[i] = min(best[i], time.process_time() - start)
    return answers, best


def main():
    build = pathlib.Path(sys.argv[1]).resolve()
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000
    sys.path.insert(0, str(build / "python"))
    import numerant

    data = build / f"batch-data-{count}"
    if not (data / "Verhoeff.txt").exists():
        print(f"Writing {count:,} numbers a scheme to {data} ...", file=sys.stderr)
        subprocess.run([sys.executable, HERE / "generate.py", data, str(count)], check=True)

    print("| Scheme | python-stdnum | numerant.check | ratio | numerant.check_many | ratio | "
          "answers agreeing |")
    print("|---|---|---|---|---|---|---|")
    verdicts = []
    for scheme, module in SCHEMES:
        numbers = (data / f"{scheme}.txt").read_text().splitlines()
        is_valid = importlib.import_module("stdnum." + module).is_valid
        check = numerant.check
        (theirs, ours, many), (stdnum_cpu, check_cpu, many_cpu) = take_turns([
            (lambda: [is_valid(n) for n in numbers], STDNUM_ROUNDS),
            (lambda: [check(scheme, n) for n in numbers], None),
            (lambda: numerant.check_many(scheme, numbers), None),
        ])
        if many != ours:
            sys.exit(f"{scheme}: check_many and check disagree")
        agreeing = sum(a == b for a, b in zip(ours, theirs))
        per_call = [cpu / len(numbers) * 1e9 for cpu in (stdnum_cpu, check_cpu, many_cpu)]
        check_ratio, many_ratio = stdnum_cpu / check_cpu, stdnum_cpu / many_cpu
        print(f"| {scheme} | {per_call[0]:,.0f} ns | {per_call[1]:,.0f} ns | {check_ratio:.1f}x | "
              f"{per_call[2]:,.0f} ns | {many_ratio:.1f}x | {agreeing:,} of {len(numbers):,} |",
              flush=True)
        verdicts.append((f"{scheme}: numerant.check at least {TARGET_CHECK}x python-stdnum",
                         check_ratio >= TARGET_CHECK))
        verdicts.append((f"{scheme}: numerant.check_many at least {TARGET_MANY}x python-stdnum",
                         many_ratio >= TARGET_MANY))

    print("\nTimes are CPU time per number. Targets:")
    for what, met in verdicts:
        print(f"  {'met   ' if met else 'MISSED'} {what}")
    return 0 if all(met for _, met in verdicts) else 1


if __name__ == "__main__":
    sys.exit(main())
