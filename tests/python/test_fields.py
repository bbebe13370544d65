# SPDX-License-Identifier: MIT
"""The Python type of each kind of field, and text as it reaches the schemes."""
import pytest

import numerant


@pytest.mark.parametrize("scheme, number, name, value", [
    ("PESEL", "85031512344", "BirthDate", "850315"),   # FieldValue holding text
    ("PESEL", "", "BirthDate", None),                  # FieldValue holding its integer 0
    ("PESEL", "85031512344", "CheckDigit", 4),         # 16-bit integer
    ("PESEL", "85031512344", "Gender", 2),             # 32-bit integer
    ("Creditcard", "4111111111111111", "MajorIndustryCode", 4),  # byte
    ("Modulo97", "12345678939", "Reverse", False),     # boolean
    ("IBAN", "DE89370400440532013000", "CountryCode", "DE"),    # string
    ("IBAN", "", "CheckDigit", None),                  # unset FieldValue check digit
])
def test_each_kind_of_property_has_its_python_type(scheme, number, name, value):
    found = numerant.fields(scheme, number)[name]
    assert found == value and type(found) is type(value)


@pytest.mark.parametrize("number, account", [
    ("SMïTHJA55BG", "ÏTHJA55BG"),         # ISO-8859-1: kept, and upper-cased by the scheme
    ("SM€THJA55BG", "?THJA55BG"),         # outside ISO-8859-1: one "?"
    ("SM\U0001F600THJA55BG", "?THJA55BG"),  # outside the 16-bit range: still one "?"
    ("SM\ud800THJA55BG", "?THJA55BG"),    # a lone surrogate: one "?"
])
def test_text_is_converted_as_the_window_converts_it(number, account):
    iban = numerant.Scheme("IBAN")
    iban.calculate(number)
    assert iban.AccountNumber == account
