# SPDX-License-Identifier: MIT
"""One sample of every scheme class, in catalogue order, read from the worked
examples beside each rule (the "Examples" blocks of the scheme headers) as
tests/schemes/samples.h reads them for the C++ tests: the first valid
example, its stem without the check characters, and the stems of valid
examples of other lengths. The browser tests and the Python module's tests
share it."""

import glob
import json
import os
import re
import subprocess

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")

_DESCRIPTOR = re.compile(r"struct Descriptor<\w+> \{(.*?)\n\};", re.S)
_NAME = re.compile(r'kName = "([^"]*)"')
_EXAMPLES = re.compile(r"// Examples begin(.*?)// Examples end", re.S)
_VALID = re.compile(r'Valid\(\s*"([^"\\]*)"')


def load(cli):
    """{scheme: (stem, number, more_stems)} in the order of `numerant-cli list
    --json`. Only blanks and hyphens are taken out of an example, and one with
    any other character besides letters and digits is passed over."""
    examples = {}
    for path in glob.glob(os.path.join(ROOT, "schemes", "*", "*.h")):
        with open(path, encoding="utf-8") as header:
            for body in _DESCRIPTOR.findall(header.read()):
                block = _EXAMPLES.search(body)
                examples[_NAME.search(body).group(1)] = _VALID.findall(block.group(1)) if block else []
    listed = subprocess.run([cli, "list", "--json"], capture_output=True, text=True, check=True)
    samples = {}
    for line in listed.stdout.splitlines():
        entry = json.loads(line)
        length, place = entry["check_length"], entry["check_place"]
        numbers = []
        for example in examples.get(entry["name"], []):
            number = example.replace(" ", "").replace("-", "")
            if re.fullmatch(r"[0-9A-Za-z]+", number) and all(len(n) != len(number) for n in numbers):
                numbers.append(number)
        stems = []
        for number in numbers:
            at = min(place - 1 if place is not None else len(number), len(number) - length)
            stems.append(number[:at] + number[at + length:])
        samples[entry["name"]] = (stems[0], numbers[0], stems[1:4])
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
