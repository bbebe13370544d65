#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""`numerant-cli check vat` against python-stdnum's `vatin.is_valid`, per
number, over a mixed file of the VAT countries' sample numbers: the valid
examples beside each country's rule, each behind its prefix, and each again
with one digit changed, repeated to COUNT lines in a fixed shuffled order.

    /usr/bin/python3 bench/vat_batch.py build/cli/numerant-cli [COUNT]

Prints the time per number of each side (best of five runs for ours, of two
for python-stdnum), the ratio, and how many answers agree.
"""
import pathlib
import random
import re
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parents[1]
PREFIX = {"gr.vat": "EL", "gb.vat": "GB", "ch.vat": "", "no.mva": "NO", "es.nif": "ES"}


def samples():
    """The valid examples of every VAT format that `vat` answers, with their
    prefixes, read from the headers."""
    numbers = []
    for header in sorted((ROOT / "schemes" / "further").glob("*/*.h")):
        text = header.read_text()
        if "area::kVat" not in text:
            continue
        name = re.search(r'kName = "([^"]+)"', text).group(1)
        if name in ("es.nie", "es.cif"):
            continue
        prefix = PREFIX.get(name, name[:2].upper())
        for number in re.findall(r'Valid\("([^"]+)"', text):
            compact = re.sub(r"[ .\-/:,]", "", number).upper()
            if name == "ch.vat" and not compact.startswith("CHE"):
                compact = "CHE" + compact
            numbers.append(compact if compact.startswith(prefix) or name == "ch.vat"
                           else prefix + compact)
    numbers += ["BE0403019261", "BE1001686633", "AU83914571673", "AU51824753556"]
    return numbers


def changed(rng, number):
    places = [i for i, c in enumerate(number) if c.isdigit()]
    i = rng.choice(places)
    return number[:i] + rng.choice("0123456789".replace(number[i], "")) + number[i + 1:]


def best(runs, command, data):
    times, out = [], None
    for _ in range(runs):
        with open(data, "rb") as stdin:
            start = time.perf_counter()
            out = subprocess.run(command, stdin=stdin, capture_output=True, check=False).stdout
            times.append(time.perf_counter() - start)
    return min(times), out.decode().splitlines()


def main():
    cli = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 200000
    rng = random.Random("vat")
    base = samples()
    pool = base + [changed(rng, n) for n in base]
    lines = [rng.choice(pool) for _ in range(count)]
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as data:
        data.write("\n".join(lines) + "\n")
    ours, ours_answers = best(5, [cli, "check", "vat"], data.name)
    theirs, theirs_answers = best(2, ["/usr/bin/python3", str(ROOT / "bench" / "stdnum_check.py"),
                                      "vatin"], data.name)
    pathlib.Path(data.name).unlink()
    agree = sum(a == b for a, b in zip(ours_answers, theirs_answers))
    print(f"{len(base)} sample numbers, {count} lines, "
          f"{sum(a == 'valid' for a in ours_answers)} valid for us")
    print(f"numerant-cli check vat: {ours / count * 1e9:8.0f} ns a number")
    print(f"vatin.is_valid:         {theirs / count * 1e9:8.0f} ns a number")
    print(f"ratio {theirs / ours:.1f}x, {agree} of {count} answers agree")


if __name__ == "__main__":
    main()
