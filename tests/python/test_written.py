# SPDX-License-Identifier: MIT
"""numerant.format and numerant.compact: numerant-cli's answers over the
samples, and what they read that the other functions do not."""
import json
import os
import subprocess

import pytest

import numerant
from conftest import SAMPLES


def cli(command, scheme, numbers):
    run = subprocess.run([os.environ["NUMERANT_CLI"], "--json", command, scheme],
                         input="".join(n + "\n" for n in numbers), capture_output=True,
                         text=True, encoding="utf-8", check=True)
    return [json.loads(line) for line in run.stdout.splitlines()]


@pytest.mark.parametrize("scheme, stem, number", [row[:3] for row in SAMPLES],
                         ids=[row[0] for row in SAMPLES])
def test_format_and_compact_answer_as_numerant_cli(scheme, stem, number):
    numbers = [number, stem, number.lower(), " ".join(number), number[:2] + "\u2013" + number[2:]]
    formatted = [line["formatted"] for line in cli("format", scheme, numbers)]
    compacted = [line["compact"] for line in cli("compact", scheme, numbers)]
    assert [numerant.format(scheme, n) for n in numbers] == formatted
    assert [numerant.compact(scheme, n) for n in numbers] == compacted
    kept = numerant.Scheme(scheme)
    assert [kept.format(n) for n in numbers] == formatted
    # A valid number stays valid when written.
    assert numerant.check(scheme, formatted[0]) == numerant.check(scheme, number)


@pytest.mark.parametrize("scheme, typed, written", [
    ("IBAN", "DE89\u00a03704\u202f0044\u20090532 0130 00", "DE89 3704 0044 0532 0130 00"),
    ("ISSN", "\uff10\uff10\uff12\uff14\u20139319", "0024-9319"),
    ("cl.rut", "CL12531909\u20142", "12.531.909-2"),
    ("OGM", "090933755493", "+++090/9337/55493+++"),
    ("PESEL", "\ud800", "?"),
])
def test_look_alikes_are_read_as_ascii_by_format_alone(scheme, typed, written):
    assert numerant.format(scheme, typed) == written
    if scheme == "IBAN":
        assert not numerant.check(scheme, typed)  # check keeps its narrowing


def test_a_number_that_is_no_str_is_a_type_error():
    with pytest.raises(TypeError, match="number must be str"):
        numerant.format("IBAN", 12)
    with pytest.raises(ValueError):
        numerant.compact("Nonesuch", "1")


@pytest.mark.parametrize("scheme, number, parts", [
    ("ismn", "979-0-3452-4680-5",
     {"prefix": "979-0", "publisher": "3452", "item": "4680", "check_digit": "5"}),
    ("ismn", "M0601234562", None),  # one digit too many: no split
    ("IBAN", "DE89370400440532013000", None),
])
def test_format_parts_name_the_parts_of_the_written_form(scheme, number, parts):
    assert numerant.format_parts(scheme, number) == parts
    assert numerant.Scheme(scheme).format_parts(number) == parts
    line = cli("format", scheme, [number])[0]
    assert line["parts"] == parts
    if parts:
        assert list(parts) == list(line["parts"])
        assert "-".join(parts.values()) == numerant.format(scheme, number)
