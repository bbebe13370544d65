# SPDX-License-Identifier: MIT
"""numerant.calculate against numerant-cli calc, every scheme."""
import numerant
from conftest import cli_answers


def test_calculate_agrees_with_the_command_line(sample):
    scheme, inputs = sample
    expected = [answer["result"] for answer in cli_answers("calc", scheme, inputs)]
    assert [numerant.calculate(scheme, number) for number in inputs] == expected
    assert expected[inputs.index("")] in ("", "-1"), "nothing to calculate gives the unset digit"
