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
