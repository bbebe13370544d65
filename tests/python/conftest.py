# SPDX-License-Identifier: MIT
"""Shared set-up of the module's tests: the module, numerant-cli beside it,
and the samples that every test over all schemes uses.

    PYTHONPATH=build/python /usr/bin/python3 -m pytest tests/python

numerant-cli is taken from NUMERANT_CLI, or else from the build directory
that holds the module.
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
CLI = pathlib.Path(os.environ.get("NUMERANT_CLI") or
                   pathlib.Path(numerant.__file__).resolve().parents[1] / "cli" / "numerant-cli")


def read_samples():
    """The rows of tests/schemes/samples.h: scheme, stem, number, more stems."""
    rows = []
    text = (ROOT / "tests" / "schemes" / "samples.h").read_text()
    for line in re.findall(r"^\s*\{(.*)\},\s*$", text, re.MULTILINE):
        named = dict(re.findall(r'\.(\w+) = "([^"]*)"', line))
        if named:
            more = re.search(r"\.more_stems = \{([^}]*)\}", line)
            rows.append((named["scheme"], named["stem"], named["number"],
                         re.findall(r'"([^"]*)"', more.group(1)) if more else []))
        else:
            scheme, stem, number = re.findall(r'"([^"]*)"', line)
            rows.append((scheme, stem, number, []))
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


@pytest.fixture(params=SAMPLES, ids=[row[0] for row in SAMPLES])
def sample(request):
    scheme, stem, number, more_stems = request.param
    return scheme, tuple(inputs_of(stem, number, more_stems))
