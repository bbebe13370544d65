# SPDX-License-Identifier: MIT
"""numerant.schemes() and the names the functions take."""
import subprocess

import numerant
from conftest import CLI, SAMPLES


def test_schemes_are_the_list_then_the_building_blocks():
    listed = subprocess.run([CLI, "list"], capture_output=True, text=True, check=True)
    assert numerant.schemes() == listed.stdout.split() + ["Luhn", "Modulo10", "Modulo97"]


def test_every_scheme_has_a_sample():
    assert [row[0] for row in SAMPLES] == numerant.schemes()


def test_names_are_matched_in_any_case():
    for name in numerant.schemes():
        assert numerant.Scheme(name.lower()).Name == name
        assert numerant.Scheme(name.upper()).Name == name


def test_version_is_the_programs():
    version = subprocess.run([CLI, "--version"], capture_output=True, text=True, check=True)
    assert version.stdout.split() == ["numerant-cli", numerant.__version__]
