# SPDX-License-Identifier: MIT
"""numerant.explain and numerant.complete, once the library explains and
completes numbers; skipped while it does not."""
import pytest

import numerant
from conftest import SAMPLES, cli_answers, inputs_of


def library_has(function):
    try:
        function("Luhn", "1")
    except NotImplementedError:
        return False
    return True


needs_explain = pytest.mark.skipif(not library_has(numerant.explain),
                                   reason="the library has no Scheme::Explain yet")
needs_complete = pytest.mark.skipif(not library_has(numerant.complete),
                                    reason="the library has no Scheme::Complete yet")


@needs_complete
@pytest.mark.parametrize("scheme, stem, number", [row[:3] for row in SAMPLES],
                         ids=[row[0] for row in SAMPLES])
def test_complete_puts_the_check_characters_in_their_place(scheme, stem, number):
    assert numerant.complete(scheme, stem) == number
    assert numerant.Scheme(scheme).complete(stem) == number
    assert numerant.complete(scheme, "") == ""


@needs_explain
def test_explain_agrees_with_the_command_lines_reason(sample):
    scheme, inputs = sample
    obj = numerant.Scheme(scheme)
    for number, answer in zip(inputs, cli_answers("check", scheme, inputs)):
        finding = numerant.explain(scheme, number)
        assert (finding["kind"] == "valid") == answer["valid"], number
        assert obj.explain(number) == finding
        if "reason" in answer:
            assert finding == answer["reason"], number


@needs_explain
def test_explain_tells_the_kinds_apart():
    assert numerant.explain("Luhn", "") == {"kind": "empty"}
    assert numerant.explain("Luhn", "79927398713") == {"kind": "valid"}
    assert numerant.explain("Luhn", "79927398710") == {
        "kind": "check-digit", "expected": "3", "found": "0"}
    assert numerant.explain("Luhn", "7992739871O")["kind"] == "character"
