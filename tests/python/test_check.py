# SPDX-License-Identifier: MIT
"""numerant.check against numerant-cli check, every scheme."""
import numerant
from conftest import cli_answers


def test_check_agrees_with_the_command_line(sample):
    scheme, inputs = sample
    expected = [answer["valid"] for answer in cli_answers("check", scheme, inputs)]
    assert [numerant.check(scheme, number) for number in inputs] == expected
    assert expected[0], "the sample number itself is valid"
    assert not expected[inputs.index("")]
