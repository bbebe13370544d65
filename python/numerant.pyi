# SPDX-License-Identifier: MIT
"""Check digits of 55 numbering schemes, computed by the Numerant C++ library."""

from typing import Iterable, Literal, TypedDict

__version__: str

# A property's value: bool for booleans, int for numbers, str for texts, and
# None for a field that holds no text (an unset check digit, a field not
# decoded yet).
FieldValue = bool | int | str | None

class Finding(TypedDict, total=False):
    """Why a number is valid or not; "kind" and the members that apply."""

    kind: Literal["valid", "empty", "length", "character", "no-check-digit", "check-digit", "date", "prefix"]
    length: int
    lengths: list[list[int | None]]
    place: int
    character: str
    expected: str
    found: str
    date: str

def schemes(all: bool = False) -> list[str]:
    """The 52 schemes in list order, then Luhn, Modulo10 and Modulo97; with all=True, then the further formats by area."""

def check(scheme: str, number: str) -> bool:
    """Whether the complete number, check character(s) included, is valid."""

def calculate(scheme: str, number: str) -> str:
    """The check character(s) of a number typed without them ("-1" or "" when none)."""

def complete(scheme: str, payload: str) -> str:
    """The number with its check character(s) in their place, "" when there are none."""

def format(scheme: str, number: str) -> str:
    """The number in its customary written form; the compact form where the scheme has none."""

def format_parts(scheme: str, number: str) -> dict[str, str] | None:
    """The named parts of the written form (ISMN's prefix, publisher, item, check digit), or None."""

def compact(scheme: str, number: str) -> str:
    """The number without separators and country prefix, upper-cased where the scheme folds case."""

def explain(scheme: str, number: str) -> Finding:
    """Why the number is valid or not."""

def fields(scheme: str, number: str) -> dict[str, FieldValue]:
    """The check digit and the fields that `check` leaves for this number."""

def check_many(scheme: str, numbers: Iterable[str]) -> list[bool]:
    """`check` for every number, in order, without holding the GIL."""

def calculate_many(scheme: str, numbers: Iterable[str]) -> list[str]:
    """`calculate` for every number, in order, without holding the GIL."""

class Scheme:
    """One object of a scheme class, kept from call to call.

    After `check` or `calculate`, its properties (named as the C++ getters:
    CheckDigit, BirthDate, Gender ...) tell what that call found.
    """

    def __init__(self, name: str) -> None: ...
    @property
    def Name(self) -> str:
        """The class name, as `schemes()` lists it."""
    def check(self, number: str) -> bool: ...
    def calculate(self, number: str) -> str: ...
    def complete(self, payload: str) -> str: ...
    def format(self, number: str) -> str: ...
    def format_parts(self, number: str) -> dict[str, str] | None: ...
    def compact(self, number: str) -> str: ...
    def explain(self, number: str) -> Finding: ...
    def fields(self) -> dict[str, FieldValue]: ...
    def __getattr__(self, name: str) -> FieldValue: ...
