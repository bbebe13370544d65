# SPDX-License-Identifier: MIT
"""Shared set-up of the module's tests: the module, the numerant-cli its
answers are compared with, and the samples that every test over all schemes
uses.

    PYTHONPATH=build/python NUMERANT_CLI=build/cli/numerant-cli /usr/bin/python3 -m pytest tests/python

The module is whichever `import numerant` finds (a build folder, the Debian
package, a virtual environment), so numerant-cli is named by NUMERANT_CLI
rather than looked for beside it.
"""
import functools
import json
import os
import pathlib
import re
import subprocess

import pytest

import numerant  # a missing module is an error of the run, never a skip

ROOT = pathlib.Path(__file__).resolve().parents[2]
if not os.environ.get("NUMERANT_CLI"):
    raise pytest.UsageError("set NUMERANT_CLI to the numerant-cli to compare the module with")
CLI = pathlib.Path(os.environ["NUMERANT_CLI"])


def read_samples():
    """One sample of each of the 52 and the building blocks, in catalogue
    order, taken as tests/schemes/samples.h takes it from the worked examples
    beside each rule: the first valid example without separators, the stem
    left without its check characters, and the stems of valid examples of
    other lengths. Rows are scheme, stem, number, more stems."""
    shapes = {}
    for line in subprocess.run([str(CLI), "list", "--all", "--json"], capture_output=True,
                               text=True, check=True).stdout.splitlines():
        entry = json.loads(line)
        if "area" not in entry:
            shapes[entry["name"]] = entry
    examples = {}
    for header in sorted((ROOT / "schemes").glob("*/*.h")):
        text = header.read_text()
        for block in re.findall(r"struct Descriptor<\w+> \{(.*?)\n\};", text, re.DOTALL):
            name = re.search(r'kName = "([^"]*)"', block)
            if name:
                examples[name.group(1)] = re.findall(r'Valid\("((?:[^"\\]|\\.)*)"', block)
    rows = []
    for name, shape in shapes.items():
        place = shape["check_place"] - 1 if shape["check_place"] else None
        length = shape["check_length"]
        upper = shape.get("upper_case", False)
        seen, stems, number = set(), [], None
        for example in examples.get(name, []):
            compact = "".join(c for c in example if c not in shape.get("separators", " -"))
            if upper:
                compact = compact.upper()
            if len(compact) in seen or len(compact) < length:
                continue
            seen.add(len(compact))
            at = len(compact) - length if place is None else min(place, len(compact) - length)
            stem = compact[:at] + compact[at + length:]
            if number is None:
                number, first_stem = compact, stem
            elif len(stems) < 3:
                stems.append(stem)
        if number is not None:
            rows.append((name, first_stem, number, stems))
    return rows


SAMPLES = read_samples()


def inputs_of(stem, number, more_stems):
    """What each scheme is asked: its sample, with and without the check
    characters, broken, spaced, in small letters, empty, and with characters
    inside and outside ISO-8859-1."""
    broken = number[:-1] + ("1" if number[-1] != "1" else "2")
    spaced = " ".join(number[i:i + 4] for i in range(0, len(number), 4))
    return [number, stem, broken, spaced, number.lower(), "", number[:2] + "ï" + number[3:],
            number[:2] + "€" + number[3:], *more_stems]


@functools.cache
def cli_answers(command, scheme, inputs):
    """numerant-cli --json COMMAND SCHEME over the inputs, one object each."""
    run = subprocess.run([CLI, "--json", command, scheme], input="\n".join(inputs) + "\n",
                         capture_output=True, text=True, encoding="utf-8")
    assert run.returncode in (0, 1), run.stderr
    return [json.loads(line) for line in run.stdout.splitlines()]


@functools.cache
def cli_writes_none_for_unset():
    """Whether this numerant-cli writes an unset FieldValue as null (PESEL's
    BirthDate before a number is decoded) rather than as the number it holds."""
    return cli_answers("check", "PESEL", ("",))[0]["fields"]["BirthDate"] is None


def as_the_module_types(cli_fields, module_fields):
    """The command line's fields, typed as the module types them.

    A FieldValue that holds no text is None in the module. A numerant-cli that
    still writes such a value as its number is accepted there and only there."""
    if cli_writes_none_for_unset():
        return cli_fields
    return {name: None if module_fields.get(name, 0) is None and type(value) is int else value
            for name, value in cli_fields.items()}


@pytest.fixture(params=SAMPLES, ids=[row[0] for row in SAMPLES])
def sample(request):
    scheme, stem, number, more_stems = request.param
    return scheme, tuple(inputs_of(stem, number, more_stems))
