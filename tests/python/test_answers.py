# SPDX-License-Identifier: MIT
"""Every function of the module against numerant-cli --json, every scheme: both
render the library's records, each in its own way."""
import numerant
from conftest import cli_answers


def test_the_module_answers_as_the_command_line(sample):
    scheme, inputs = sample
    checked = cli_answers("check", scheme, inputs)
    calculated = cli_answers("calc", scheme, inputs)
    obj = numerant.Scheme(scheme)
    for number, check, calc in zip(inputs, checked, calculated):
        assert numerant.check(scheme, number) == check["valid"], number
        assert numerant.explain(scheme, number) == check["reason"], number
        fields = numerant.fields(scheme, number)
        assert list(fields) == list(check["fields"]), number
        assert fields == check["fields"], number
        assert numerant.calculate(scheme, number) == calc["result"], number
        # A Scheme object keeps what its last call found.
        assert obj.calculate(number) == calc["result"], number
        assert obj.fields() == calc["fields"], number
        assert obj.explain(number) == check["reason"], number
        assert obj.fields() == fields, number
    assert checked[0]["valid"], "the sample number itself is valid"
    assert not checked[inputs.index("")]["valid"]
