# SPDX-License-Identifier: MIT
"""The further formats through the module: names, and every answer as the
command line gives it."""
import subprocess

import pytest

import numerant
from conftest import CLI, FURTHER_SAMPLES, as_the_module_types, cli_answers, inputs_of


def test_all_schemes_are_list_all():
    listed = subprocess.run([CLI, "list", "--all"], capture_output=True, text=True, check=True)
    names = [line.split(" ")[0] for line in listed.stdout.splitlines()]
    assert numerant.schemes(all=True) == names
    assert numerant.schemes(all=True)[:55] == numerant.schemes()
    assert [row[0] for row in FURTHER_SAMPLES] == names[55:]


@pytest.mark.parametrize("scheme, stem, number, more", FURTHER_SAMPLES,
                         ids=[row[0] for row in FURTHER_SAMPLES])
def test_answers_are_the_command_lines(scheme, stem, number, more):
    assert numerant.Scheme(scheme.upper()).Name == scheme
    inputs = tuple(inputs_of(stem, number, more))
    for text, checked, calculated, completed in zip(
            inputs, cli_answers("check", scheme, inputs), cli_answers("calc", scheme, inputs),
            cli_answers("complete", scheme, inputs)):
        assert numerant.check(scheme, text) == checked["valid"], text
        reason = numerant.explain(scheme, text)
        assert reason == checked["reason"], text
        assert numerant.fields(scheme, text) == as_the_module_types(
            checked["fields"], numerant.fields(scheme, text)), text
        assert numerant.calculate(scheme, text) == calculated["result"], text
        assert numerant.complete(scheme, text) == (completed["complete"] or ""), text


def test_a_date_that_does_not_exist_is_explained():
    assert numerant.explain("dk.cpr", "300280-1234") == {"kind": "date", "date": "1980-02-30"}
    assert numerant.check("dk.cpr", "010180-1234")
    assert numerant.calculate("dk.cpr", "0101801234") == ""
    assert numerant.complete("dk.cpr", "0101801234") == ""
