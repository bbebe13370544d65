# SPDX-License-Identifier: MIT
"""numerant.explain and numerant.complete against the command line's reason
and the samples' complete numbers."""
import pytest

import numerant
from conftest import SAMPLES, cli_answers, inputs_of


@pytest.mark.parametrize("scheme, stem, number", [row[:3] for row in SAMPLES],
                         ids=[row[0] for row in SAMPLES])
def test_complete_puts_the_check_characters_in_their_place(scheme, stem, number):
    assert numerant.complete(scheme, stem) == number
    assert numerant.Scheme(scheme).complete(stem) == number
    assert numerant.complete(scheme, "") == ""


def test_explain_agrees_with_the_command_lines_reason(sample):
    scheme, inputs = sample
    obj = numerant.Scheme(scheme)
    for number, answer in zip(inputs, cli_answers("check", scheme, inputs)):
        finding = numerant.explain(scheme, number)
        assert (finding["kind"] == "valid") == answer["valid"], number
        assert obj.explain(number) == finding
        assert finding == answer["reason"], number


def test_explain_tells_the_kinds_apart():
    assert numerant.explain("Luhn", "") == {"kind": "empty"}
    assert numerant.explain("Luhn", "79927398713") == {"kind": "valid"}
    assert numerant.explain("Luhn", "79927398710") == {
        "kind": "check-digit", "expected": "3", "found": "0"}
    assert numerant.explain("Luhn", "7992739871O") == {
        "kind": "character", "place": 11, "character": "O"}
    assert numerant.explain("EAN", "400638133393") == {
        "kind": "length", "length": 12, "lengths": [[8, 8], [13, 13]]}
    assert numerant.explain("Luhn", "1") == {"kind": "length", "length": 1, "lengths": [[2, None]]}
