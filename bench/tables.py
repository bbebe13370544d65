#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The tables of docs/benchmarks.md from two runs of bench/batch.sh:

    /usr/bin/python3 bench/tables.py BASELINE.json BRANCH.json [--write docs/benchmarks.md]

Both files are the --json output of bench/batch.py (medians over its runs).
The tables set the baseline beside the branch figure by figure, flag every
figure that got more than 10% slower and give the verdict on every target.
With --write they replace what stands between the lines
"<!-- figures begin -->" and "<!-- figures end -->" of the page; without it
they are printed.
"""
import argparse
import importlib.util
import json
import pathlib
import statistics
import sys

HERE = pathlib.Path(__file__).resolve().parent
module_source = importlib.util.spec_from_file_location("batch", HERE / "batch.py")
batch = importlib.util.module_from_spec(module_source)
module_source.loader.exec_module(batch)

SLOWER = 1.10
BEGIN = "<!-- figures begin -->"
END = "<!-- figures end -->"


def ns(seconds, count):
    return seconds / count * 1e9


def change(before, after):
    """The new time against the old, and a mark when it is over 10% slower."""
    if not before or not after:
        return ""
    return marked(after / before)


def class_changes(base, now):
    """Every call's time now against before. Where both were measured in the
    same runs, a call's change is the median of its runs' own ratios: in a run
    the two builds take turns on one processor within seconds, so a run that
    falls on a slow processor or minute slows both and leaves its ratio
    alone, where a ratio of the two medians would set a slow run's figure
    against a quick one's."""
    old, new = base["median"]["classes"], now["median"]["classes"]
    paired = (now["median"].get("paired") and len(base.get("runs", [])) == len(now.get("runs", []))
              and len(now.get("runs", [])) > 0)
    changes = {}
    for key, time in new.items():
        if key not in old:
            continue
        if paired:
            ratios = [n["classes"][key] / b["classes"][key]
                      for b, n in zip(base["runs"], now["runs"])
                      if b["classes"].get(key) and key in n["classes"]]
            if ratios:
                changes[key] = statistics.median(ratios)
                continue
        changes[key] = time / old[key]
    return changes


def marked(factor):
    return f"{factor:.2f}" + (" **slower**" if factor > SLOWER else "")


def tables(base, now):
    b, n = base["median"], now["median"]
    lines = [f"Processor: {n['processor']}. Every figure is the median of {n['runs']} runs of "
             f"`bench/batch.sh` (baseline `{base['label']}`: {b['runs']} runs), taken in one "
             f"session; load average at the start of a run: {b['load']:.1f} (baseline), "
             f"{n['load']:.1f} (branch `{now['label']}`). Times are CPU time." +
             (" The baseline was measured in the same runs as the branch, just before it, and "
              "the calls of every class alternately, scheme by scheme."
              if n.get("paired") else ""), ""]

    lines += ["### `numerant-cli check` and `numerant.check_many` against python-stdnum", "",
              "Nanoseconds of CPU time per number; the ratios divide python-stdnum's time, end "
              "to end (`bench/stdnum_check.py`: reading, `is_valid`, printing) or strictly "
              "(`is_valid` alone on the lines read beforehand), by ours.", "",
              "| Scheme | CLI before | CLI now | now/before | end to end, before | now | "
              "strictly, before | now | `check_many` before | now | `check_many` ratio "
              "(strict), before | now |",
              "|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|"]
    for name, f in n["stream"].items():
        g = b["stream"].get(name, {})
        count = f["count"]
        cells = [
            f"{ns(g['cli_cpu'], count):.0f}" if g else "",
            f"{ns(f['cli_cpu'], count):.0f}",
            change(g.get("cli_cpu"), f["cli_cpu"]),
            f"{g['stdnum_cpu'] / g['cli_cpu']:.0f}x" if g else "",
            f"{f['stdnum_cpu'] / f['cli_cpu']:.0f}x",
            f"{g['strict_cpu'] / g['cli_cpu']:.0f}x" if g else "",
            f"{f['strict_cpu'] / f['cli_cpu']:.0f}x",
            f"{ns(g['many_cpu'], count):.0f}" if g.get("many_cpu") else "",
            f"{ns(f['many_cpu'], count):.0f}" if f.get("many_cpu") else "",
            f"{g['strict_cpu'] / g['many_cpu']:.0f}x" if g.get("many_cpu") else "",
            f"{f['strict_cpu'] / f['many_cpu']:.0f}x" if f.get("many_cpu") else "",
        ]
        lines.append(f"| {name} | " + " | ".join(cells) + " |")
    luhn, old = n["stream"].get("Luhn", {}), b["stream"].get("Luhn", {})
    if luhn.get("floor_cpu") and old.get("floor_cpu"):
        lines += ["", f"`numerant-cli check Luhn` against the input floor (reading the lines and "
                      f"nothing else): {old['floor_cpu'] / old['cli_cpu']:.1%} before, "
                      f"{luhn['floor_cpu'] / luhn['cli_cpu']:.1%} now."]

    lines += ["", "### In process against Commons Validator", "",
              "One reused object of the concrete class, nanoseconds per number, best of five "
              "passes (`bench/check_loop.cpp`, `bench/java/CheckDigitBench.java`).", "",
              "| Routine | `Check` before | `Check` now | `IsValid` now | Commons Validator | "
              "Java / `IsValid` |", "|---|---:|---:|---:|---:|---:|"]
    for name, f in n["in_process"].items():
        g = b["in_process"].get(name, {})
        before = g.get("check_ns") or g.get("ours_ns")
        lines.append(f"| {name} | {before:.1f} | {f['check_ns']:.1f} | {f['ours_ns']:.1f} | "
                     f"{f['java_ns']:.1f} | {f['java_ns'] / f['ours_ns']:.2f}x |")

    lines += ["", "### Every class", "",
              "Through the `Scheme` interface on each class's sample, one reused object, "
              "nanoseconds per call. The slowest now, and every call more than 10% slower than "
              "before" + (". The change is the median of the runs' own ratios, as both builds ran "
                          "in every run:" if n.get("paired") else ":"), "",
              "| Call | before | now | now/before |", "|---|---:|---:|---:|"]
    classes, old_classes = n["classes"], b["classes"]
    changes = class_changes(base, now)
    reused = sorted(((t, k) for k, t in classes.items() if k.endswith("/reused")), reverse=True)
    shown = [k for _, k in reused[:5]]
    shown += [k for k in classes if k not in shown and changes.get(k, 0) > SLOWER]
    for key in ["Check/IBAN/reused", "IsValid/IBAN/reused"]:
        if key in classes and key not in shown:
            shown.append(key)
    for key in shown:
        before = old_classes.get(key)
        lines.append(f"| {key} | {'' if before is None else f'{before:.0f}'} | "
                     f"{classes[key]:.0f} | {marked(changes[key]) if key in changes else ''} |")

    lines += ["", "### Targets", "", "| Target | before | now | |", "|---|---|---|---|"]
    before = {what: figure for what, figure, _ in batch.verdicts(b)}
    for what, figure, met in batch.verdicts(n):
        lines.append(f"| {what} | {before.get(what, '')} | {figure} | "
                     f"{'met' if met else '**missed**'} |")
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("baseline", type=pathlib.Path)
    parser.add_argument("branch", type=pathlib.Path)
    parser.add_argument("--write", type=pathlib.Path)
    args = parser.parse_args()
    text = tables(json.loads(args.baseline.read_text()), json.loads(args.branch.read_text()))
    if not args.write:
        sys.stdout.write(text)
        return
    page = args.write.read_text()
    if BEGIN not in page or END not in page:
        sys.exit(f"{args.write} has no {BEGIN} ... {END}")
    head, rest = page.split(BEGIN, 1)
    _, tail = rest.split(END, 1)
    args.write.write_text(head + BEGIN + "\n\n" + text + "\n" + END + tail)


if __name__ == "__main__":
    main()
