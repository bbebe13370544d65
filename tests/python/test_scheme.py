# SPDX-License-Identifier: MIT
"""numerant.Scheme: one object kept from call to call."""
import pytest

import numerant


def test_properties_tell_what_the_last_call_found():
    pesel = numerant.Scheme("PESEL")
    assert pesel.check("85031512344")
    assert (pesel.BirthDate, pesel.Gender, pesel.CheckDigit) == ("850315", 2, 4)
    assert pesel.calculate("9001011235") == "6"
    assert (pesel.BirthDate, pesel.Gender, pesel.IdentificationNumber) == ("900101", 1, "123")
    assert not pesel.check("")
    assert pesel.BirthDate is None


def test_two_objects_keep_their_own_state():
    first, second = numerant.Scheme("PESEL"), numerant.Scheme("pesel")
    first.check("85031512344")
    second.calculate("9001011234")
    numerant.check("PESEL", "")  # the module's own object is a third one
    assert first.fields() == numerant.fields("PESEL", "85031512344")
    assert second.BirthDate == "900101"


def test_properties_are_named_as_the_getters_and_read_only():
    vin = numerant.Scheme("VIN")
    vin.check("1M8GDM9AXKP042788")
    assert vin.Name == "VIN" and repr(vin) == "numerant.Scheme('VIN')"
    assert {"CheckDigit", "CountryCode", "SerialNumber", "check", "fields"} <= set(dir(vin))
    assert vin.CountryCode == "1M"
    with pytest.raises(AttributeError, match="no property 'BirthDate'"):
        vin.BirthDate
    with pytest.raises(AttributeError):
        vin.CountryCode = "DE"
