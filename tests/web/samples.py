# SPDX-License-Identifier: MIT
"""The worked samples that the C++ tests and the benchmarks share
(tests/schemes/samples.h), read for the browser tests: one stem and the valid
number it completes to for every scheme class."""

import os
import re

SAMPLES_H = os.path.join(os.path.dirname(__file__), "..", "schemes", "samples.h")

_ROW = re.compile(r"^\s*\{(.*)\},\s*$")
_NAMED = re.compile(r'\.(scheme|stem|number)\s*=\s*"([^"]*)"')
_STRING = re.compile(r'"([^"]*)"')


def load(path=SAMPLES_H):
    """{scheme: (stem, number)} in the order of the table."""
    samples = {}
    with open(path, encoding="utf-8") as header:
        for line in header:
            row = _ROW.match(line)
            if not row:
                continue
            named = dict(_NAMED.findall(row.group(1)))
            if named:
                scheme, stem, number = named["scheme"], named["stem"], named["number"]
            else:
                scheme, stem, number = _STRING.findall(row.group(1))[:3]
            samples[scheme] = (stem, number)
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
