# SPDX-License-Identifier: MIT
"""Shared set-up of the module's tests: the module, the numerant-cli its
answers are compared with, and the samples that every test over all schemes
uses (tests/web/samples.py).

    PYTHONPATH=build/python NUMERANT_CLI=build/cli/numerant-cli /usr/bin/python3 -m pytest tests/python

The module is whichever `import numerant` finds (a build folder, the Debian
package, a virtual environment), so numerant-cli is named by NUMERANT_CLI
rather than looked for beside it.
"""
import functools
import json
import os
import pathlib
import subprocess
import sys

import pytest

import numerant  # a missing module is an error of the run, never a skip

ROOT = pathlib.Path(__file__).resolve().parents[2]
if not os.environ.get("NUMERANT_CLI"):
    raise pytest.UsageError("set NUMERANT_CLI to the numerant-cli to compare the module with")
CLI = pathlib.Path(os.environ["NUMERANT_CLI"])


sys.path.insert(0, str(ROOT / "tests" / "web"))
import samples  # noqa: E402  the samples the browser tests use too

SAMPLES = [(scheme, stem, number, more) for scheme, (stem, number, more)
           in samples.load(CLI).items()]


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
