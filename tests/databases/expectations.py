# SPDX-License-Identifier: MIT
"""What the database extensions must answer: numerant-cli's answers over the
shared samples (the worked examples beside each rule) and over inputs built
from them."""

import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "web"))
import samples  # noqa: E402  (tests/web/samples.py reads the worked examples)


def inputs_of(stem, number):
    """Each scheme is asked its sample, the stem, the sample with a wrong
    last character, spaced, in small letters, nothing at all, and with
    characters inside and outside ISO-8859-1 put in place of one character
    or between two."""
    broken = samples.altered(number, 1)
    spaced = " ".join(number[i:i + 4] for i in range(0, len(number), 4))
    return [number, stem, broken, spaced, number.lower(), "", "   ",
            number[:2] + "ï" + number[3:], number[:2] + "€" + number[3:],
            number[:2] + "€" + number[2:], number[:2] + "\U0001F600" + number[2:],
            number[:2] + "\uFF11" + number[3:], number + number]


class Cli:
    """numerant-cli's answers, one --json run a command and scheme."""

    def __init__(self, path):
        self.path = path

    def run(self, *arguments, inputs=None):
        text = None if inputs is None else "".join(line + "\n" for line in inputs)
        run = subprocess.run([self.path, *arguments], input=text, capture_output=True,
                             text=True, encoding="utf-8", check=False)
        if run.returncode not in (0, 1):
            raise RuntimeError(f"numerant-cli {' '.join(arguments)}: {run.stderr}")
        return [json.loads(line) for line in run.stdout.splitlines()]

    def schemes(self):
        """{"name", "lengths"} of every entry of `list --json`, in order."""
        return [{"name": entry["name"], "lengths": entry["lengths"]}
                for entry in self.run("--json", "list")]

    def expected(self, scheme, inputs):
        """For each input the answers the extensions must give: check,
        explain, fields, calculate (None where there is no check digit),
        complete (None where empty), format and compact."""
        checked = self.run("--json", "check", scheme, inputs=inputs)
        calculated = self.run("--json", "calc", scheme, inputs=inputs)
        completed = self.run("--json", "complete", scheme, inputs=inputs)
        formatted = self.run("--json", "format", scheme, inputs=inputs)
        compacted = self.run("--json", "compact", scheme, inputs=inputs)
        unset = self.run("--json", "calc", scheme, inputs=[""])[0]["result"]
        return [{"check": check["valid"], "explain": check["reason"], "fields": check["fields"],
                 "calculate": None if calc["result"] == unset else calc["result"],
                 "complete": complete["complete"], "format": written["formatted"],
                 "compact": compact["compact"]}
                for check, calc, complete, written, compact
                in zip(checked, calculated, completed, formatted, compacted)]


def every_case(cli):
    """(scheme name, input, expected answers) over every sample; the name in
    the catalogue's case for half the schemes, in small letters for the
    others."""
    cases = []
    for index, (scheme, (stem, number, _)) in enumerate(samples.load(cli.path).items()):
        inputs = inputs_of(stem, number)
        name = scheme.lower() if index % 2 else scheme
        for text, expected in zip(inputs, cli.expected(scheme, inputs)):
            cases.append((name, text, expected))
    return cases
