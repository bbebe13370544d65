# SPDX-License-Identifier: MIT
"""The worked samples that the C++ tests and the benchmarks share
(tests/schemes/samples.h, from the worked examples beside each rule), read
for the browser tests: one stem and the valid number it completes to for
every scheme class."""

import glob
import json
import os
import re
import subprocess

ROOT = os.path.join(os.path.dirname(__file__), "..", "..")


def load(cli):
    """{scheme: (stem, number)} of the 52 and the building blocks, in
    catalogue order, taken as tests/schemes/samples.h takes them from the
    worked examples beside each rule: the first valid example without
    separators, and the stem left without its check characters."""
    shapes = {}
    listed = subprocess.run([cli, "list", "--all", "--json"], capture_output=True, text=True,
                            check=True).stdout
    for line in listed.splitlines():
        entry = json.loads(line)
        if "area" not in entry:
            shapes[entry["name"]] = entry
    examples = {}
    for header in sorted(glob.glob(os.path.join(ROOT, "schemes", "*", "*.h"))):
        with open(header, encoding="utf-8") as source:
            text = source.read()
        for block in re.findall(r"struct Descriptor<\w+> \{(.*?)\n\};", text, re.DOTALL):
            name = re.search(r'kName = "([^"]*)"', block)
            if name:
                examples[name.group(1)] = re.findall(r'Valid\("((?:[^"\\]|\\.)*)"', block)
    samples = {}
    for name, shape in shapes.items():
        for example in examples.get(name, []):
            number = "".join(c for c in example if c not in shape["separators"])
            if shape["upper_case"]:
                number = number.upper()
            length = shape["check_length"]
            if len(number) < length:
                continue
            place = shape["check_place"]
            at = len(number) - length if place is None else min(place - 1, len(number) - length)
            samples[name] = (number[:at] + number[at + length:], number)
            break
    return samples


def altered(number, place):
    """The number with the character at `place` (from the end, 1 = last)
    changed to another of its kind."""
    index = len(number) - place
    old = number[index]
    if old.isdigit():
        new = str((int(old) + 1) % 10)
    elif old.isalpha():
        new = "A" if old.upper() == "Z" else chr(ord(old.upper()) + 1)
    else:
        new = "0"
    return number[:index] + new + number[index + 1:]
