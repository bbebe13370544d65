# SPDX-License-Identifier: MIT
"""check_many and calculate_many: the same answers as a loop of single calls."""
import threading

import pytest

import numerant
from conftest import SAMPLES, inputs_of

# Every sample's inputs (valid, invalid, empty, spaced, foreign characters),
# repeated past the size of one block of the batch loop.
MIXES = {scheme: inputs_of(stem, number, more) * 700 for scheme, stem, number, more in SAMPLES}


@pytest.mark.parametrize("scheme", ["Luhn", "IBAN", "EAN", "ISBN", "Verhoeff", "PESEL", "VIN"])
def test_check_many_equals_a_loop_of_check(scheme):
    numbers = MIXES[scheme]
    expected = [numerant.check(scheme, number) for number in numbers]
    assert True in expected and False in expected
    assert numerant.check_many(scheme, numbers) == expected
    assert numerant.check_many(scheme, iter(numbers)) == expected
    assert numerant.check_many(scheme, tuple(numbers[:5])) == expected[:5]
    # check and check_many take the fieldless route; a Scheme object's check
    # decodes the fields as well, and answers the same.
    decoding = numerant.Scheme(scheme)
    assert [decoding.check(number) for number in numbers[:2000]] == expected[:2000]


# The international identifiers, typed plain, spaced, in small letters, with
# a character changed, cut short and lengthened.
IDENTIFIERS = {
    "isin": ["US0378331005", "AU0000XVGZA3", "GB0002634946", "ZZ0378331005"],
    "lei": ["213800KUD8LAJWSQ9D15", "5493001KJTIIGC8Y1R12", "213800KUD8LAJWSQ9D00"],
    "gtin": ["98412345678908", "4006381333931", "036000291452", "96385074"],
    "imei": ["490154203237518", "35-686800-004141-8", "3568680000414120", "49015420323751"],
}


def variants(number):
    yield from (number, number.lower(), " ".join(number), number[:-1], number + "0")
    for at in range(len(number)):
        for c in "07AZa -?\u00e9":
            yield number[:at] + c + number[at + 1:]


@pytest.mark.parametrize("scheme", sorted(IDENTIFIERS))
def test_identifiers_answer_as_the_decoding_check(scheme):
    numbers = [v for number in IDENTIFIERS[scheme] for v in variants(number)]
    decoding = numerant.Scheme(scheme)
    expected = [decoding.check(number) for number in numbers]
    assert True in expected and False in expected
    assert numerant.check_many(scheme, numbers) == expected
    assert numerant.check_many(scheme, tuple(numbers)) == expected
    assert [numerant.check(scheme, number) for number in numbers] == expected


@pytest.mark.parametrize("scheme", ["Luhn", "IBAN", "GRid", "HETU", "Modulo97"])
def test_calculate_many_equals_a_loop_of_calculate(scheme):
    numbers = MIXES[scheme]
    assert numerant.calculate_many(scheme, numbers) == [numerant.calculate(scheme, n)
                                                        for n in numbers]


def test_no_numbers_give_no_answers():
    assert numerant.check_many("Luhn", []) == []
    assert numerant.calculate_many("Luhn", (n for n in ())) == []


def test_threads_get_their_own_answers():
    # Batches run without the GIL beside single calls in other threads.
    answers = {}

    def work(scheme):
        answers[scheme] = numerant.check_many(scheme, MIXES[scheme])
        answers[scheme + "/single"] = [numerant.check(scheme, n) for n in MIXES[scheme][:500]]

    threads = [threading.Thread(target=work, args=(s,)) for s in ("IBAN", "Luhn", "VIN", "CNP")]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    for scheme in ("IBAN", "Luhn", "VIN", "CNP"):
        assert answers[scheme] == [numerant.check(scheme, n) for n in MIXES[scheme]]
        assert answers[scheme + "/single"] == answers[scheme][:500]
