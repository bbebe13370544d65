# SPDX-License-Identifier: MIT
"""The further formats through the module: names, and every answer as the
command line gives it."""
import subprocess

import pytest

import numerant
from conftest import CLI, as_the_module_types, cli_answers, inputs_of

# scheme, payload, valid number, other payloads, in catalogue order.
FURTHER_SAMPLES = [
    ("au.abn", "914571673", "83914571673", []),
    ("be.vat", "04030192", "0403019261", ["4030192"]),
    ("br.cnpj", "12ABC34501DE", "12ABC34501DE35", ["167272300001"]),
    ("ca.bn", "12302663", "123026635", ["12302663RC0001"]),
    ("eu.banknote", "EA410018159", "EA4100181598", ["P3600703374"]),
    ("be.nn", "170730033", "17073003384", ["000229001"]),
    ("ch.ssn", "756921707698", "7569217076985", []),
    ("cl.rut", "12531909", "125319092", ["7727230"]),
    ("dk.cpr", "0101801234", "0101801234", ["3002801234"]),
    ("ie.pps", "6433435A", "6433435OA", ["1234567"]),
]


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
