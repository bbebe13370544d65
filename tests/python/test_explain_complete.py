# SPDX-License-Identifier: MIT
"""numerant.complete against the samples' complete numbers, and what the
command line's answers never show."""
import pytest

import numerant
from conftest import SAMPLES


@pytest.mark.parametrize("scheme, stem, number", [row[:3] for row in SAMPLES],
                         ids=[row[0] for row in SAMPLES])
def test_complete_puts_the_check_characters_in_their_place(scheme, stem, number):
    assert numerant.complete(scheme, stem) == number
    assert numerant.Scheme(scheme).complete(stem) == number
    assert numerant.complete(scheme, "") == ""


def test_an_unbounded_length_has_none_for_its_upper_end():
    assert numerant.explain("Luhn", "1") == {"kind": "length", "length": 1, "lengths": [[2, None]]}
