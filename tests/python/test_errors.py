# SPDX-License-Identifier: MIT
"""Wrong scheme names and wrong argument types."""
import pytest

import numerant

CALLS = {
    "check": numerant.check,
    "calculate": numerant.calculate,
    "fields": numerant.fields,
    "complete": numerant.complete,
    "explain": numerant.explain,
    "check_many": lambda scheme, number: numerant.check_many(scheme, [number]),
    "calculate_many": lambda scheme, number: numerant.calculate_many(scheme, [number]),
    "Scheme.check": lambda scheme, number: numerant.Scheme(scheme).check(number),
    "Scheme.calculate": lambda scheme, number: numerant.Scheme(scheme).calculate(number),
}


@pytest.mark.parametrize("call", CALLS.values(), ids=CALLS.keys())
def test_an_unknown_scheme_raises_value_error_naming_the_valid_ones(call):
    with pytest.raises(ValueError, match=r"unknown scheme 'IBAM'; choose one of: ACL, .*Modulo97"):
        call("IBAM", "1")


@pytest.mark.parametrize("call", CALLS.values(), ids=CALLS.keys())
@pytest.mark.parametrize("wrong", [1234, None, b"1234", 12.5])
def test_a_number_that_is_not_text_raises_type_error(call, wrong):
    with pytest.raises(TypeError, match="must be str, not " + type(wrong).__name__):
        call("Luhn", wrong)
    with pytest.raises(TypeError):
        call(wrong, "1234")


@pytest.mark.parametrize("call", [numerant.check_many, numerant.calculate_many])
@pytest.mark.parametrize("numbers", ["79927398713", b"79927398713", 42])
def test_a_batch_needs_an_iterable_of_text(call, numbers):
    with pytest.raises(TypeError):
        call("Luhn", numbers)


def test_a_batch_names_the_item_that_is_not_text():
    with pytest.raises(TypeError, match="item 2 of numbers must be str, not NoneType"):
        numerant.check_many("Luhn", ["1", "2", None])
