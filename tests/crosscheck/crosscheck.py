#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Cross-checks `numerant-cli check` against python-stdnum.

For each scheme that python-stdnum also validates, the script generates (with
a fixed seed) valid numbers, computing their check characters with its own
small implementation of the published rule, and as many invalid ones made by
changing one digit or the check character. A few "edge" numbers are added on
purpose to exercise each known rule difference. All numbers of a scheme go
through `numerant-cli check SCHEME` in one batch on standard input and
through stdnum's is_valid; every disagreement must be explained by a named
rule in RULES below, and every rule name must appear in the table of
docs/verification.md. Unexplained disagreements fail the run and are printed.

    /usr/bin/python3 tests/crosscheck/crosscheck.py build/cli/numerant-cli
    ... --count 2000 --scheme IBAN --scheme EUR   (a quicker, narrower run)

Exit status: 0 agreement, 1 unexplained difference or broken set-up.
"""

import argparse
import datetime
import importlib
import pathlib
import random
import re
import string
import subprocess
import sys
import time

try:
    import stdnum
    from stdnum import casrn, ean, grid, iban, isbn, iso6346, issn, luhn, vatin, verhoeff
    from stdnum.au import abn, acn, tfn
    from stdnum.be import nn, vat as be_vat
    from stdnum.br import cnpj, cpf
    from stdnum.ca import bn, sin
    from stdnum.ch import ssn
    from stdnum.dk import cpr
    from stdnum.cl import rut
    from stdnum.es import dni
    from stdnum.eu import banknote
    from stdnum.fi import hetu
    from stdnum.fr import siren
    from stdnum.gb import nhs
    from stdnum.ie import pps
    from stdnum.lt import asmens
    from stdnum.nl import bsn
    from stdnum.pl import pesel
    from stdnum.ro import cnp
    from stdnum.se import personnummer
    from stdnum.si import emso
    from stdnum.util import get_cc_module
    # The national tax and identity numbers.
    from stdnum import numdb
    from stdnum.cn import ric
    from stdnum.de import idnr as de_idnr
    from stdnum.in_ import aadhaar, gstin, pan
    from stdnum.it import codicefiscale
    from stdnum.mx import curp, rfc
    from stdnum.no import fodselsnummer
    from stdnum.tr import tckimlik
    from stdnum.us import ein
    from stdnum.za import idnr as za_idnr
    from stdnum import cusip, damm, figi, imei, isan, isin, ismn, iso11649, lei
    from stdnum.gb import sedol
    from stdnum.iso7064 import mod_11_2, mod_11_10, mod_37_2, mod_37_36, mod_97_10
    from stdnum.us import rtn
except ImportError as error:  # pragma: no cover - the CMake set-up tests this first
    print(f"python-stdnum is not importable ({error}); install python3-stdnum", file=sys.stderr)
    sys.exit(1)

ROOT = pathlib.Path(__file__).resolve().parents[2]
DOC = ROOT / "docs" / "verification.md"
# The last day birth dates are drawn up to: fixed, so that every run checks
# the same numbers, and in the past, so that no date lies in stdnum's future.
TODAY = datetime.date(2026, 1, 1)
UPPER = string.ascii_uppercase
ALNUM = string.digits + UPPER


# --- Independent check-digit rules -------------------------------------------------

def digits_of(text):
    return [ord(c) - 48 for c in text]


def weighted(text, weights):
    return sum(w * d for w, d in zip(weights, digits_of(text)))


def luhn_digit(payload):
    total = 0
    for i, d in enumerate(reversed(digits_of(payload))):
        total += (2 * d - 9 if d > 4 else 2 * d) if i % 2 == 0 else d
    return str(-total % 10)


VERHOEFF_D = [[(j + k) % 5 if j < 5 and k < 5 else
               5 + (j + k) % 5 if j < 5 else
               5 + (j - k) % 5 if k < 5 else
               (j - k) % 5 for k in range(10)] for j in range(10)]
VERHOEFF_P = [list(range(10))]
for _ in range(7):
    VERHOEFF_P.append([[1, 5, 7, 6, 2, 8, 3, 0, 9, 4][x] for x in VERHOEFF_P[-1]])


def verhoeff_digit(payload):
    c = 0
    for i, d in enumerate(reversed(digits_of(payload)), start=1):
        c = VERHOEFF_D[c][VERHOEFF_P[i % 8][d]]
    return str([0, 4, 3, 2, 1, 5, 6, 7, 8, 9][c])


def mod10_31(payload):
    """The article-number digit: weights 3, 1, 3, ... from the right."""
    total = sum((3 if i % 2 == 0 else 1) * d for i, d in enumerate(reversed(digits_of(payload))))
    return str(-total % 10)


def iso7064_97(text):
    """Letters count 10 to 35; the remainder of the whole number modulo 97."""
    return int("".join(str(int(c, 36)) for c in text)) % 97


def iban_check_digits(country, bban):
    return "%02d" % (98 - iso7064_97(bban + country + "00"))


def mod37_36(text):
    product = 36
    for c in text:
        s = (product + int(c, 36)) % 36 or 36
        product = 2 * s % 37
    return ALNUM[(37 - product) % 36]


def real_date(year, month, day):
    try:
        datetime.date(year, month, day)
        return True
    except ValueError:
        return False


def random_date(rng, first_year, last_year):
    start = datetime.date(first_year, 1, 1).toordinal()
    return datetime.date.fromordinal(rng.randint(start, datetime.date(last_year, 12, 31).toordinal()))


def bad_date(rng):
    """Day, month of a date that does not exist (31 April, 30 February, month 13 ...)."""
    return rng.choice([(31, 4), (31, 6), (30, 2), (0, 5), (12, 13), (32, 1), (15, 0), (29, 2)])


def rand_digits(rng, n):
    return "".join(rng.choice(string.digits) for _ in range(n))


# --- Schemes ------------------------------------------------------------------------
#
# A scheme has a maker of valid numbers in the common form, makers of edge
# numbers, the alphabet of its check character (for mutations) and the rules
# that explain differences. A rule holds its name (as in the documentation),
# the expected verdicts (ours, stdnum's; None for either) and a predicate on
# the number.

class Rule:
    def __init__(self, name, ours, theirs, applies):
        self.name, self.ours, self.theirs, self.applies = name, ours, theirs, applies

    def explains(self, number, ours, theirs):
        return ((self.ours is None or self.ours == ours) and
                (self.theirs is None or self.theirs == theirs) and self.applies(number))


SCHEMES = {}


def scheme(name, stdnum_valid, check_alphabet=None, edges=(), rules=(), examples=()):
    def register(make):
        SCHEMES[name] = dict(make=make, valid=stdnum_valid, check_alphabet=check_alphabet,
                             edges=list(edges), rules=list(rules), examples=list(examples))
        return make
    return register


# ACN: weights 8..1, the check digit completes a multiple of 10.
@scheme("ACN", acn.is_valid)
def make_acn(rng):
    body = rand_digits(rng, 8)
    return body + str(-weighted(body, range(8, 0, -1)) % 10)


# AK: century-and-sex digit, YYMMDD, serial, two-stage modulo 11.
AK_CENTURY = {1: 1800, 2: 1800, 3: 1900, 4: 1900, 5: 2000, 6: 2000, 7: 2100, 8: 2100}


def ak_digit(body):
    r = weighted(body, [1, 2, 3, 4, 5, 6, 7, 8, 9, 1]) % 11
    if r == 10:
        r = weighted(body, [3, 4, 5, 6, 7, 8, 9, 1, 2, 3]) % 11 % 10
    return str(r)


def ak_date_real(number):
    first = int(number[0])
    if first == 9:
        return True  # stdnum does not decode a date for the first digit 9
    if first == 0:
        return False
    return real_date(AK_CENTURY[first] + int(number[1:3]), int(number[3:5]), int(number[5:7]))


def make_ak_with(rng, first, yymmdd):
    body = str(first) + yymmdd + rand_digits(rng, 3)
    return body + ak_digit(body)


def edge_ak_bad_date(rng):
    day, month = bad_date(rng)
    return make_ak_with(rng, rng.choice([0, 3, 4, 5, 9]), "%02d%02d%02d" % (rng.randint(0, 99), month, day))


@scheme("AK", asmens.is_valid, edges=[edge_ak_bad_date],
        rules=[Rule("birth-date", True, False, lambda n: not ak_date_real(n))])
def make_ak(rng):
    first = rng.randint(1, 8)
    date = random_date(rng, AK_CENTURY[first], AK_CENTURY[first] + 99)
    return make_ak_with(rng, first, date.strftime("%y%m%d"))


# BIC: owner code, category letter, six digits, powers of two modulo 11.
def bic_letter_value(c):
    # A=10, then every multiple of 11 is skipped: 11, 22, 33.
    v = 10
    for letter in UPPER:
        if v % 11 == 0:
            v += 1
        if letter == c:
            return v
        v += 1
    raise ValueError(c)


def bic_digit(stem):
    total = sum((int(c) if c.isdigit() else bic_letter_value(c)) << i for i, c in enumerate(stem))
    return str(total % 11 % 10)


def make_bic_with(rng, owner, category):
    stem = owner + category + rand_digits(rng, 6)
    return stem + bic_digit(stem)


@scheme("BIC", iso6346.is_valid,
        edges=[lambda rng: make_bic_with(rng, "".join(rng.choices(UPPER, k=3)), "R"),
               lambda rng: make_bic_with(rng, "".join(rng.choices(UPPER + "0123456789", k=2)) +
                                         rng.choice(string.digits), rng.choice("UJZ"))],
        rules=[Rule("category-r", False, True, lambda n: n[3] == "R"),
               Rule("owner-digits", False, True, lambda n: not n[:3].isalpha())])
def make_bic(rng):
    return make_bic_with(rng, "".join(rng.choices(UPPER, k=3)), rng.choice("UJZ"))


# BSN: weights 9..2, the check digit is the remainder modulo 11.
def make_bsn_body(rng):
    while True:
        body = rand_digits(rng, 8)
        r = weighted(body, range(9, 1, -1)) % 11
        if r < 10:
            return body + str(r)


def bsn_short(rng):
    """A number below 100000000 written with eight digits."""
    while True:
        number = make_bsn_body(rng)
        if number[0] == "0":
            return number[1:]


@scheme("BSN", bsn.is_valid,
        edges=[lambda rng: "000000000", bsn_short],
        rules=[Rule("zero", True, False, lambda n: set(n) == {"0"}),
               Rule("short-form", False, True, lambda n: len(n) == 8)])
def make_bsn(rng):
    return make_bsn_body(rng)


# CAS: weights 1, 2, 3, ... from the right, modulo 10.
def cas_with(rng, length, first_digits="123456789"):
    body = rng.choice(first_digits) + rand_digits(rng, length - 2)
    return body + str(sum((i + 1) * d for i, d in enumerate(reversed(digits_of(body)))) % 10)


@scheme("CAS", casrn.is_valid,
        edges=[lambda rng: cas_with(rng, rng.randint(5, 9), "0"),
               lambda rng: cas_with(rng, 4),
               lambda rng: cas_with(rng, 10)],
        rules=[Rule("leading-zero", True, False, lambda n: n[0] == "0"),
               Rule("length", None, None, lambda n: len(n) in (4, 10))])
def make_cas(rng):
    return cas_with(rng, rng.randint(5, 9))


# CNP: sex-and-century digit, YYMMDD, county, serial; modulo 11, 10 gives 1.
CNP_CENTURY = {1: 1900, 2: 1900, 3: 1800, 4: 1800, 5: 2000, 6: 2000, 7: 1900, 8: 1900, 9: 1900}


def cnp_with(rng, first, yymmdd):
    body = str(first) + yymmdd + "%02d" % rng.randint(1, 52) + rand_digits(rng, 3)
    r = weighted(body, [2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9]) % 11
    return body + ("1" if r == 10 else str(r))


def edge_cnp_bad_date(rng):
    day, month = bad_date(rng)
    return cnp_with(rng, rng.randint(1, 9), "%02d%02d%02d" % (rng.randint(0, 99), month, day))


@scheme("CNP", cnp.is_valid,
        edges=[edge_cnp_bad_date,
               lambda rng: cnp_with(rng, 0, random_date(rng, 1950, 1999).strftime("%y%m%d"))],
        rules=[Rule("first-digit-0", True, False, lambda n: n[0] == "0"),
               Rule("birth-date", True, False, lambda n: n[0] != "0" and not real_date(
                   CNP_CENTURY[int(n[0])] + int(n[1:3]), int(n[3:5]), int(n[5:7])))])
def make_cnp(rng):
    first = rng.randint(1, 9)
    date = random_date(rng, CNP_CENTURY[first], CNP_CENTURY[first] + 99)
    return cnp_with(rng, first, date.strftime("%y%m%d"))


# CPF: two check digits, modulo 11 each, remainders 0 and 1 give 0.
def cpf_digits(body):
    d1 = -weighted(body, range(10, 1, -1)) % 11 % 10
    d2 = -(weighted(body, range(11, 2, -1)) + 2 * d1) % 11 % 10
    return "%d%d" % (d1, d2)


@scheme("CPF", cpf.is_valid, edges=[lambda rng: "00000000000"],
        rules=[Rule("zero", True, False, lambda n: set(n) == {"0"})])
def make_cpf(rng):
    body = rand_digits(rng, 9)
    return body + cpf_digits(body)


# Creditcard: a Luhn number of any length from two digits on.
@scheme("Creditcard", luhn.is_valid, edges=[lambda rng: rng.choice(string.digits)],
        rules=[Rule("single-digit", False, True, lambda n: len(n) == 1)])
def make_creditcard(rng):
    body = rand_digits(rng, rng.randint(1, 18))
    return body + luhn_digit(body)


# DNI: eight digits and the letter of the number modulo 23.
DNI_LETTERS = "TRWAGMYFPDXBNJZSQVHLCKE"


@scheme("DNI", dni.is_valid, check_alphabet=DNI_LETTERS)
def make_dni(rng):
    body = rand_digits(rng, 8)
    return body + DNI_LETTERS[int(body) % 23]


# EAN: EAN-8 and EAN-13; weights 3, 1 from the right.
def ean_of_length(rng, length):
    body = rand_digits(rng, length - 1)
    return body + mod10_31(body)


@scheme("EAN", ean.is_valid, edges=[lambda rng: ean_of_length(rng, rng.choice([12, 14]))],
        rules=[Rule("gtin-12-14", False, True, lambda n: len(n) in (12, 14))])
def make_ean(rng):
    return ean_of_length(rng, rng.choice([8, 13]))


# EUR: letter (its place in the alphabet), ten digits; the total is 8 modulo 9.
EUR_IN_USE = "BCDEFGHJLMNPRSTUVWXYZ"


def eur_total(number):
    return sum(UPPER.index(c) + 1 if c.isalpha() else int(c) for c in number)


def eur_with(rng, letter, zero=False):
    body = letter + rand_digits(rng, 10)
    need = (8 - eur_total(body)) % 9
    return body + ("0" if zero and need == 0 else "9" if need == 0 else str(need))


def eur_zero(rng):
    while True:
        number = eur_with(rng, rng.choice(EUR_IN_USE), zero=True)
        if number.endswith("0"):
            return number


def eur_two_letters(rng):
    # The newer series: two letters, nine digits and the check digit, with
    # each letter counting by its character code.
    body = rng.choice(EUR_IN_USE) + rng.choice(UPPER) + rand_digits(rng, 9)
    return body + str(-sum(ord(c) if c.isalpha() else int(c) for c in body) % 9)


@scheme("EUR", banknote.is_valid,
        edges=[eur_zero, lambda rng: eur_with(rng, rng.choice("AIKOQ")), eur_two_letters],
        rules=[Rule("check-digit-0", False, True,
                    lambda n: n[-1] == "0" and n[1].isdigit() and eur_total(n) % 9 == 8),
               Rule("letters-not-in-use", True, False, lambda n: n[0] in "AIKOQ"),
               Rule("two-letter-series", False, True, lambda n: n[1].isalpha())])
def make_eur(rng):
    return eur_with(rng, rng.choice(EUR_IN_USE))


# GRid: identifier scheme A1, issuer code, release number; ISO 7064 MOD 37,36.
@scheme("GRid", grid.is_valid, check_alphabet=ALNUM)
def make_grid(rng):
    stem = "A1" + "".join(rng.choices(ALNUM, k=15))
    return stem + mod37_36(stem)


# HETU: DDMMYY, century sign, individual number, check character modulo 31.
HETU_CHECK = "0123456789ABCDEFHJKLMNPRSTUVWXY"
HETU_SIGN = {18: "+", 19: "-", 20: "A"}
HETU_CENTURY = {"+": 1800, "-": 1900, "A": 2000}


def hetu_with(ddmmyy, sign, individual):
    return ddmmyy + sign + individual + HETU_CHECK[int(ddmmyy + individual) % 31]


def edge_hetu_bad_date(rng):
    day, month = bad_date(rng)
    return hetu_with("%02d%02d%02d" % (day, month, rng.randint(0, 99)), rng.choice("+-A"),
                     "%03d" % rng.randint(2, 899))


def edge_hetu_individual(rng):
    date = random_date(rng, 1900, 2020)
    return hetu_with(date.strftime("%d%m%y"), HETU_SIGN[date.year // 100],
                     "%03d" % rng.choice([0, 1] + list(range(900, 1000))))


@scheme("HETU", hetu.is_valid, check_alphabet=HETU_CHECK,
        edges=[edge_hetu_bad_date, edge_hetu_individual],
        rules=[Rule("individual-number", True, False,
                    lambda n: not 2 <= int(n[7:10]) <= 899),
               Rule("birth-date", True, False, lambda n: not real_date(
                   HETU_CENTURY[n[6]] + int(n[4:6]), int(n[2:4]), int(n[0:2])))])
def make_hetu(rng):
    date = random_date(rng, 1800, 2099)
    return hetu_with(date.strftime("%d%m%y"), HETU_SIGN[date.year // 100],
                     "%03d" % rng.randint(2, 899))


# IBAN: country code, check digits, account part; ISO 7064 MOD 97-10.
def read_registry():
    registry = {}
    data = pathlib.Path(stdnum.__file__).parent / "iban.dat"
    for line in data.read_text().splitlines():
        match = re.match(r'^([A-Z]{2}) .*bban="([^"]*)"', line)
        if match:
            registry[match.group(1)] = [(int(n), kind) for n, kind in
                                        re.findall(r"(\d+)!([nac])", match.group(2))]
    return registry


IBAN_REGISTRY = read_registry()
IBAN_NATIONAL = {cc for cc in IBAN_REGISTRY if get_cc_module(cc, "iban")}
IBAN_PLAIN = sorted(set(IBAN_REGISTRY) - IBAN_NATIONAL)
BBAN_CHARS = {"n": string.digits, "a": UPPER, "c": ALNUM}


def random_bban(rng, country):
    return "".join("".join(rng.choices(BBAN_CHARS[kind], k=n)) for n, kind in IBAN_REGISTRY[country])


def iban_fits_registry(number):
    structure = IBAN_REGISTRY.get(number[:2])
    if structure is None:
        return False
    pattern = "".join("[%s]{%d}" % ({"n": "0-9", "a": "A-Z", "c": "A-Za-z0-9"}[k], n)
                      for n, k in structure)
    return re.fullmatch(pattern, number[4:]) is not None


def iban_with(country, bban):
    return country + iban_check_digits(country, bban) + bban


def edge_iban_unusual_digits(rng):
    while True:
        country = rng.choice(IBAN_PLAIN)
        bban = random_bban(rng, country)
        digits = iban_check_digits(country, bban)
        other = {"97": "00", "98": "01", "02": "99"}.get(digits)
        if other:
            return country + other + bban


def edge_iban_off_registry(rng):
    if rng.random() < 0.5:
        country = rng.choice([cc for cc in (a + b for a in UPPER for b in UPPER)
                              if cc not in IBAN_REGISTRY][:40])
        return iban_with(country, "".join(rng.choices(ALNUM, k=rng.randint(0, 30))))
    country = rng.choice(IBAN_PLAIN)
    bban = random_bban(rng, country)
    return iban_with(country, bban[:-1] if rng.random() < 0.5 else bban + rng.choice(string.digits))


@scheme("IBAN", iban.is_valid,
        edges=[edge_iban_unusual_digits, edge_iban_off_registry,
               lambda rng: (lambda cc: iban_with(cc, random_bban(rng, cc)))(
                   rng.choice(sorted(IBAN_NATIONAL)))],
        rules=[Rule("check-digits-00-01-99", False, True,
                    lambda n: n[2:4] in ("00", "01", "99") and iso7064_97(n[4:] + n[:4]) == 1),
               Rule("registry", True, False, lambda n: not iban_fits_registry(n)),
               Rule("national-check", True, False, lambda n: n[:2] in IBAN_NATIONAL and
                    not get_cc_module(n[:2], "iban").is_valid(n))])
def make_iban(rng):
    country = rng.choice(IBAN_PLAIN)
    return iban_with(country, random_bban(rng, country))


# ISBN: ISBN-10 (weights 10..2 modulo 11, X for 10) and ISBN-13 (978, 979).
def isbn10(body):
    return body + "0123456789X"[-weighted(body, range(10, 1, -1)) % 11]


@scheme("ISBN", isbn.is_valid, check_alphabet="0123456789X",
        edges=[lambda rng: isbn10("0" + rand_digits(rng, 8))[1:]],
        rules=[Rule("nine-digit-sbn", False, True, lambda n: len(n) == 9)])
def make_isbn(rng):
    if rng.random() < 0.5:
        return isbn10(rand_digits(rng, 9))
    body = rng.choice(["978", "979"]) + rand_digits(rng, 9)
    return body + mod10_31(body)


# ISSN: weights 8..2 modulo 11, X for 10; our class also reads the EAN-13 form.
@scheme("ISSN", issn.is_valid, check_alphabet="0123456789X",
        edges=[lambda rng: (lambda b: b + mod10_31(b))("977" + rand_digits(rng, 9))],
        rules=[Rule("issn-in-ean-13", True, False, lambda n: len(n) == 13)])
def make_issn(rng):
    body = rand_digits(rng, 7)
    return body + "0123456789X"[-weighted(body, range(8, 1, -1)) % 11]


# JMBG: DDMMYYY, region, serial; modulo 11, remainders 0 and 1 give 0.
def jmbg_with(rng, ddmmyyy):
    body = ddmmyyy + rand_digits(rng, 5)
    return body + str(-weighted(body, [7, 6, 5, 4, 3, 2] * 2) % 11 % 10)


def jmbg_date_real(number):
    year = int(number[4:7])
    return real_date(year + (2000 if year < 800 else 1000), int(number[2:4]), int(number[0:2]))


@scheme("JMBG", emso.is_valid,
        edges=[lambda rng: jmbg_with(rng, "%02d%02d%03d" % (bad_date(rng) + (rng.randint(900, 999),)))],
        rules=[Rule("birth-date", True, False, lambda n: not jmbg_date_real(n))])
def make_jmbg(rng):
    date = random_date(rng, 1900, 2099)
    return jmbg_with(rng, date.strftime("%d%m") + "%03d" % (date.year % 1000))


# NHS: weights 10..2 modulo 11; a remainder of 1 has no check digit.
@scheme("NHS", nhs.is_valid)
def make_nhs(rng):
    while True:
        body = rand_digits(rng, 9)
        check = -weighted(body, range(10, 1, -1)) % 11
        if check < 10:
            return body + str(check)


# PESEL: YYMMDD with the century in the month, serial, weights 1 3 7 9.
PESEL_MONTH_OFFSET = {1800: 80, 1900: 0, 2000: 20, 2100: 40, 2200: 60}


def pesel_with(rng, yymmdd):
    body = yymmdd + rand_digits(rng, 4)
    return body + str(-weighted(body, [1, 3, 7, 9] * 3) % 10)


def pesel_date_real(number):
    month = int(number[2:4])
    return real_date({0: 1900, 1: 2000, 2: 2100, 3: 2200, 4: 1800}[month // 20] + int(number[0:2]),
                     month % 20, int(number[4:6]))


@scheme("PESEL", pesel.is_valid,
        edges=[lambda rng: pesel_with(rng, "%02d%02d%02d" % ((rng.randint(0, 99),) + bad_date(rng)[::-1]))],
        rules=[Rule("birth-date", True, False, lambda n: not pesel_date_real(n))])
def make_pesel(rng):
    date = random_date(rng, 1800, 2299)
    century = date.year // 100 * 100
    return pesel_with(rng, "%02d%02d%02d" % (date.year % 100, date.month + PESEL_MONTH_OFFSET[century],
                                             date.day))


# PNR: YYMMDD, serial, Luhn over the nine digits.
def pnr_date_real(number):
    # A two-digit year stands for the last hundred years up to today.
    yy = int(number[0:2])
    year = (TODAY.year // 100 - (1 if yy > TODAY.year % 100 else 0)) * 100 + yy
    return real_date(year, int(number[2:4]), int(number[4:6]))


def pnr_with(rng, yymmdd):
    body = yymmdd + rand_digits(rng, 3)
    return body + luhn_digit(body)


@scheme("PNR", personnummer.is_valid,
        edges=[lambda rng: pnr_with(rng, "%02d%02d%02d" % ((rng.randint(0, 99),) + bad_date(rng)[::-1]))],
        rules=[Rule("birth-date", True, False, lambda n: not pnr_date_real(n))])
def make_pnr(rng):
    return pnr_with(rng, random_date(rng, TODAY.year - 99, TODAY.year).strftime("%y%m%d"))


# PPS: seven digits, weights 8..2 modulo 23, W for 0 then A to V.
PPS_LETTERS = "WABCDEFGHIJKLMNOPQRSTUV"


@scheme("PPS", pps.is_valid, check_alphabet=PPS_LETTERS,
        edges=[lambda rng: make_pps(rng) + rng.choice("AHWTX")],
        rules=[Rule("second-letter", False, None, lambda n: len(n) == 9)])
def make_pps(rng):
    body = rand_digits(rng, 7)
    return body + PPS_LETTERS[weighted(body, range(8, 1, -1)) % 23]


# RUN: eight digits, weights 3 2 7 6 5 4 3 2, modulo 11; 1 gives K.
def run_check(body):
    r = weighted(body.rjust(8, "0"), [3, 2, 7, 6, 5, 4, 3, 2]) % 11
    return "0" if r == 0 else "K" if r == 1 else str(11 - r)


@scheme("RUN", rut.is_valid, check_alphabet="0123456789K",
        edges=[lambda rng: (lambda b: b + run_check(b))(rand_digits(rng, 7))],
        rules=[Rule("seven-digit-body", False, True, lambda n: len(n) == 8)])
def make_run(rng):
    body = rand_digits(rng, 8)
    return body + run_check(body)


# SIN and SIREN: nine-digit Luhn numbers.
@scheme("SIN", sin.is_valid)
def make_sin(rng):
    body = rand_digits(rng, 8)
    return body + luhn_digit(body)


@scheme("SIREN", siren.is_valid)
def make_siren(rng):
    body = rand_digits(rng, 8)
    return body + luhn_digit(body)


# Verhoeff: any length from two digits on.
@scheme("Verhoeff", verhoeff.is_valid, edges=[lambda rng: rng.choice(string.digits)],
        rules=[Rule("single-digit", False, True, lambda n: len(n) == 1)])
def make_verhoeff(rng):
    body = rand_digits(rng, rng.randint(1, 20))
    return body + verhoeff_digit(body)


# BTW: seven digits and 97 minus the number modulo 97.
def btw_check(body):
    return "%02d" % (97 - int(body) % 97)


def btw_zero(rng):
    body = "%07d" % (97 * rng.randint(0, 9999999 // 97))
    return body + "00"


def btw_ten_digits(rng):
    body = rng.choice("01") + rand_digits(rng, 7)
    return body + btw_check(body)


@scheme("BTW", be_vat.is_valid, edges=[btw_zero, btw_ten_digits],
        rules=[Rule("check-digits-00", False, True,
                    lambda n: len(n) == 9 and n[-2:] == "00" and int(n[:7]) % 97 == 0),
               Rule("ten-digit-form", False, None, lambda n: len(n) == 10)])
def make_btw(rng):
    body = rand_digits(rng, 7)
    return body + btw_check(body)


# INSZ: YYMMDD, serial, 97 minus the nine-digit number modulo 97.
def insz_2000_rule(number):
    return (int(number[:2]) + 2000 <= TODAY.year and
            int(number[-2:]) == 97 - int("2" + number[:9]) % 97)


def insz_born_2000(rng):
    body = random_date(rng, 2000, TODAY.year).strftime("%y%m%d") + rand_digits(rng, 3)
    return body + "%02d" % (97 - int("2" + body) % 97)


@scheme("INSZ", nn.is_valid, edges=[insz_born_2000],
        rules=[Rule("born-2000-on", False, True, insz_2000_rule)])
def make_insz(rng):
    body = random_date(rng, 1920, 1999).strftime("%y%m%d") + rand_digits(rng, 3)
    return body + "%02d" % (97 - int(body) % 97)


# TFN: nine digits, weights 1 4 3 7 5 8 6 9 10, the total a multiple of 11.
def tfn_of_length(rng, length):
    weights = [1, 4, 3, 7, 5, 8, 6, 9, 10][:length]
    while True:
        body = rand_digits(rng, length - 1)
        # weights[-1] * check + sum = 0 (mod 11)
        check = -weighted(body, weights) * pow(weights[-1], -1, 11) % 11
        if check < 10:
            return body + str(check)


@scheme("TFN", tfn.is_valid, edges=[lambda rng: tfn_of_length(rng, 8)],
        rules=[Rule("eight-digit-tfn", None, None, lambda n: len(n) == 8)])
def make_tfn(rng):
    return tfn_of_length(rng, 9)


# --- Further formats ----------------------------------------------------------------
#
# The formats beside the 52, under their lookup names, each with the examples
# that python-stdnum's documentation and tests (and the formats' authorities)
# publish, which open its numbers and go through both sides like the rest.

def be_vat_check(body):
    return "%02d" % (97 - int(body) % 97)


def be_vat_with(rng, first):
    body = first + rand_digits(rng, 7)
    return body + be_vat_check(body)


def be_vat_00(rng):
    return "%08d" % (97 * rng.randint(1, 99999999 // 97)) + "00"


@scheme("be.vat", be_vat.is_valid,
        examples=["0403019261", "1001686633", "BE1000003682", "BE403019261", "BE0417497106",
                  "BE0428759497", "BE 428759497", "(0)403019261", "BE431150351"],
        edges=[be_vat_00, lambda rng: be_vat_with(rng, rng.choice("23456789"))],
        rules=[Rule("check-digits-00", False, True,
                    lambda n: n[-2:] == "00" and int(n[:-2]) % 97 == 0),
               Rule("series-2-to-9", False, True, lambda n: len(n) == 10 and n[0] in "23456789")])
def make_be_vat(rng):
    if rng.random() < 0.2:
        body = rand_digits(rng, 7)  # the 9-digit form
        return body + be_vat_check(body)
    return be_vat_with(rng, rng.choice("01"))


def be_nn_date(number, century):
    """The birth date of a national or BIS number read in a century; True for a
    partly unknown date, False for one that does not exist."""
    month, day = int(number[2:4]), int(number[4:6])
    month -= 40 if month >= 40 else 20 if month >= 20 else 0
    if month > 12 or day > 31:
        return False
    return month == 0 or day == 0 or real_date(century + int(number[:2]), month, day)


def be_nn_check(body, century):
    return "%02d" % (97 - int(("2" if century == 2000 else "") + body) % 97)


def be_nn_with(rng, century, yymmdd):
    body = yymmdd + rand_digits(rng, 3)
    return body + be_nn_check(body, century)


def be_nn_bis(rng):
    date = random_date(rng, 1930, 1999)
    return be_nn_with(rng, 1900, "%s%02d%s" % (date.strftime("%y"), date.month + rng.choice([20, 40]),
                                              date.strftime("%d")))


def be_nn_bad_date(rng):
    day, month = bad_date(rng)
    return be_nn_with(rng, rng.choice([1900, 2000]), "%02d%02d%02d" % (rng.randint(0, 99), month, day))


def be_nn_reading(number):
    """The century whose check digits the number carries, if either."""
    for century in (1900, 2000):
        if number[-2:] == be_nn_check(number[:9], century):
            return century
    return None


@scheme("be.nn", nn.is_valid,
        examples=["85073003328", "17073003384", "00000000128", "00010000135", "20070199951",
                  "20070199922", "85 07 30 033 28", "12345678901"],
        edges=[be_nn_bis, be_nn_bad_date,
               lambda rng: be_nn_with(rng, 2000, random_date(rng, 2027, 2099).strftime("%y%m%d"))],
        rules=[Rule("birth-date", False, True,
                    lambda n: be_nn_reading(n) is not None and not be_nn_date(n, be_nn_reading(n))),
               Rule("born-2000-after-today", True, False,
                    lambda n: be_nn_reading(n) == 2000 and
                    int(n[:2]) + 2000 > datetime.date.today().year)])
def make_be_nn(rng):
    century = rng.choice([1900, 2000])
    date = random_date(rng, century, min(century + 99, TODAY.year))
    return be_nn_with(rng, century, date.strftime("%y%m%d"))


def banknote_with(rng, letters):
    body = letters + rand_digits(rng, 11 - len(letters))
    return body + str(-sum(ord(c) if c.isalpha() else int(c) for c in body) % 9 or 9)


@scheme("eu.banknote", banknote.is_valid,
        examples=["EA4100181598", "SD9103468574", "VA0436214792", "UF9073937437", "P36007033744",
                  "U02401890701", "X00025041809", "P36007033743"],
        edges=[lambda rng: banknote_with(rng, rng.choice("AIKOQ") + rng.choice(["", rng.choice(UPPER)])),
               lambda rng: (lambda n: n[:-1] + "0" if n.endswith("9") else n)(
                   banknote_with(rng, rng.choice(EUR_IN_USE)))],
        rules=[Rule("first-letter", True, False, lambda n: n[0] in "AIKOQ")])
def make_banknote(rng):
    return banknote_with(rng, rng.choice(EUR_IN_USE) + rng.choice(["", rng.choice(UPPER)]))


PPS_LETTERS = "WABCDEFGHIJKLMNOPQRSTUV"
PPS_SECOND = {"A": 1, "B": 2, "H": 8, "W": 0, "T": 0, "X": 0, "": 0}


def pps_with(rng, second):
    body = rand_digits(rng, 7)
    return body + PPS_LETTERS[(weighted(body, range(8, 1, -1)) + 9 * PPS_SECOND[second]) % 23] + second


@scheme("ie.pps", pps.is_valid, check_alphabet=PPS_LETTERS,
        examples=["6433435OA", "6433435IH", "1234567FA", "1234567WH", "1234577IA", "6433435FW",
                  "6433435FT", "1234567OB", "6433435F", "6433435E", "6433435VH"],
        edges=[lambda rng: pps_with(rng, "B")],
        rules=[Rule("second-letter-b", True, False, lambda n: n[8:] == "B")])
def make_pps(rng):
    return pps_with(rng, rng.choice(["", "A", "H", "W", "T", "X"]))


@scheme("cl.rut", rut.is_valid, check_alphabet="0123456789K",
        examples=["12.531.909-2", "76086428-5", "10.626.628-K", "7.727.230-5", "3528355-2",
                  "10626628k", "CL 12531909-2", "12531909-3", "76086A28-5"],
        rules=[Rule("cl-prefix", False, True, lambda n: n.startswith("CL"))])
def make_cl_rut(rng):
    body = str(rng.randint(1000000, 99999999))
    number = body + run_check(body)
    if rng.random() < 0.5:  # written with dots and a hyphen
        number = f"{int(body):,}".replace(",", ".") + "-" + number[-1]
    return number


def cpr_year(number):
    digit, yy = int(number[6]), int(number[4:6])
    if digit <= 3:
        return 1900 + yy
    if digit in (4, 9):
        return (2000 if yy <= 36 else 1900) + yy
    return (2000 if yy <= 57 else 1800) + yy


def cpr_with(rng, date, digit):
    return date.strftime("%d%m%y") + str(digit) + rand_digits(rng, 3)


@scheme("dk.cpr", cpr.is_valid,
        examples=["211062-5629", "211062-0629", "010180-1234", "511062-5629", "2110525629"],
        edges=[lambda rng: cpr_with(rng, random_date(rng, TODAY.year + 1, 2036), rng.choice([4, 9])),
               lambda rng: (lambda d, m: "%02d%02d%02d%d%s" % (d, m, rng.randint(0, 99),
                                                               rng.randint(0, 9), rand_digits(rng, 3)))(
                   *bad_date(rng))],
        rules=[Rule("future-birth-date", True, False,
                    lambda n: real_date(cpr_year(n), int(n[2:4]), int(n[:2])) and
                    datetime.date(cpr_year(n), int(n[2:4]), int(n[:2])) > datetime.date.today())])
def make_dk_cpr(rng):
    # A date in a span that the 7th digit gives, up to the fixed day the
    # script draws dates to.
    digit = rng.randint(0, 9)
    spans = ([(1900, 1999)] if digit <= 3 else
             [(1937, 1999), (2000, 2036)] if digit in (4, 9) else [(1858, 1899), (2000, 2057)])
    first, last = rng.choice(spans)
    date = random_date(rng, first, min(last, TODAY.year - 1))
    return cpr_with(rng, date, digit)


@scheme("ch.ssn", ssn.is_valid,
        examples=["7569217076985", "756.9217.0769.85", "756.9203.3850.60", "756.9217.0769.84", "123.4567.8910.19"],
        edges=[lambda rng: ean_of_length(rng, 13)])
def make_ch_ssn(rng):
    body = "756" + rand_digits(rng, 9)
    return body + mod10_31(body)


CNPJ_ALPHABET = string.digits + UPPER


def cnpj_digits(body):
    values = [ord(c) - 48 for c in body]
    d1 = -sum(w * v for w, v in zip([5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2], values)) % 11
    d1 = 0 if d1 >= 10 else d1
    d2 = -sum(w * v for w, v in zip([6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2], values + [d1])) % 11
    return "%d%d" % (d1, 0 if d2 >= 10 else d2)


@scheme("br.cnpj", cnpj.is_valid,
        examples=["16.727.230/0001-97", "00.000.000/0001-91", "12.ABC.345/01DE-35", "16.727.230.0001-98",
                  "16.727.230/0001=97"],
        edges=[lambda rng: "00000000000000",
               lambda rng: (lambda b: b + cnpj_digits(b))("".join(rng.choices(CNPJ_ALPHABET, k=12)))],
        rules=[Rule("zero", True, False, lambda n: set(n) == {"0"}),
               Rule("alphanumeric", True, False, lambda n: not n.replace(".", "").replace(
                   "/", "").replace("-", "").isdigit())])
def make_cnpj(rng):
    body = rand_digits(rng, 12)
    return body + cnpj_digits(body)


@scheme("au.abn", abn.is_valid,
        examples=["83914571673", "83 914 571 673", "51 824 753 556", "12 123 552 732", "99 999 999 999"])
def make_abn(rng):
    body = rand_digits(rng, 9)
    s = weighted(body, range(3, 20, 2))
    return "%02d" % (11 + (-s - 1) % 89) + body


@scheme("ca.bn", bn.is_valid,
        examples=["12302 6635", "12302 6635 RC 0001", "123026635RC0001", "100007780RC0001",
                  "123456783", "12345678Z"],
        edges=[lambda rng: make_bn_with(rng, rng.choice(["RR", "RZ"]))],
        rules=[Rule("programs-rr-rz", True, False, lambda n: n[9:11] in ("RR", "RZ"))])
def make_bn(rng):
    return make_bn_with(rng, rng.choice(["", "RC", "RM", "RP", "RT"]))


def make_bn_with(rng, program):
    body = rand_digits(rng, 8)
    return body + luhn_digit(body) + (program + rand_digits(rng, 4) if program else "")


# --- National tax and identity numbers --------------------------------------------
#
# Each with the samples python-stdnum's documentation publishes; birth dates
# are drawn up to TODAY, and the few the rule differences need on purpose
# come from the edge makers.

def mod11_10_digit(payload):
    product = 10
    for d in digits_of(payload):
        s = (product + d) % 10 or 10
# --- VAT numbers ----------------------------------------------------------------------
#
# Each country's VAT format against python-stdnum's module of the same name,
# and `vat` against its `vatin`, over numbers of every country with their
# prefixes.

def stdnum_module(name):
    return importlib.import_module("stdnum." + name)


def luhn_sum(digits):
    """The Luhn sum of digits read as a whole number: the second from the
    right and every second one to its left doubled."""
    return sum((2 * d - 9 if d > 4 else 2 * d) if i % 2 == 1 else d
               for i, d in enumerate(reversed(digits_of(digits))))


def mod11_10_digit(body):
    product = 10
    for d in digits_of(body):
        s = (d + product) % 10 or 10
        product = 2 * s % 11
    return str((11 - product) % 10)


def idnr_repetition(body):
    """The counts of the digits of the first ten that occur more than once."""
    return sorted(c for c in (body[:10].count(d) for d in string.digits) if c > 1)


def idnr_three_adjacent(number):
    reps = idnr_repetition(number)
    return reps == [3] and any(number[i] == number[i + 1] == number[i + 2] for i in range(8))


def idnr_with(rng, times, adjacent=False):
    while True:
        body = rand_digits(rng, 10)
        if body[0] != "0" and idnr_repetition(body) == [times] and \
                idnr_three_adjacent(body) == adjacent:
            return body + mod11_10_digit(body)


@scheme("de.idnr", de_idnr.is_valid,
        examples=["36574261809", "36 574 261 809", "65929970489", "86095742719", "36574261890",
                  "36554266806"],
        edges=[lambda rng: idnr_with(rng, 3, adjacent=True)],
        rules=[Rule("three-adjacent", False, True, idnr_three_adjacent)])
def make_de_idnr(rng):
    return idnr_with(rng, rng.choice([2, 2, 3]))


def aadhaar_with(rng):
    while True:
        body = rng.choice("23456789") + rand_digits(rng, 10)
        number = body + verhoeff_digit(body)
        if number != number[::-1]:
            return number


@scheme("in_.aadhaar", aadhaar.is_valid,
        examples=["234123412346", "298448863364", "234123412347", "123412341234", "200009900002"])
def make_aadhaar(rng):
    return aadhaar_with(rng)


PAN_HOLDERS = "ABCFGHJLPT"


def pan_with(rng, holder=None):
    return ("".join(rng.choices(UPPER, k=3)) + (holder or rng.choice(PAN_HOLDERS)) +
            rng.choice(UPPER) + "%04d" % rng.randint(1, 9999) + rng.choice(UPPER))


def luhn36_char(payload):
    total = 0
    for i, c in enumerate(reversed(payload)):
        v = int(c, 36) * (2 if i % 2 == 0 else 1)
        total += v // 36 + v % 36
    return ALNUM[-total % 36]


def gstin_with(rng, state, holder=None):
    body = state + pan_with(rng, holder) + rng.choice(ALNUM[1:]) + "Z"
    return body + luhn36_char(body)


@scheme("in_.pan", pan.is_valid,
        examples=["ACUPA7085R", "AAKFD7113K", "ACUPA7085RR", "ABMPA32111", "ABMXA3211G", "ACUPA0000R"],
        edges=[lambda rng: pan_with(rng, "K")],
        rules=[Rule("holder-type-k", False, True, lambda n: n[3] == "K")])
def make_pan(rng):
    return pan_with(rng)


@scheme("in_.gstin", gstin.is_valid, check_alphabet=ALNUM,
        examples=["27AAPFU0939F1ZV", "29AAGCB7383J1Z4", "27AAPFU0939F1Z", "27AAPFU0939F1AA",
                  "27AAPFU0939F1ZO"],
        edges=[lambda rng: gstin_with(rng, rng.choice(["38", "97"])),
               lambda rng: gstin_with(rng, "%02d" % rng.randint(1, 37), "K")],
        rules=[Rule("state-38-97", True, False, lambda n: n[:2] in ("38", "97")),
               Rule("holder-type-k", False, True, lambda n: n[5] == "K")])
def make_gstin(rng):
    return gstin_with(rng, "%02d" % rng.randint(1, 37))


CN_REGIONS = sorted({line.split()[0] for line in
                     (pathlib.Path(numdb.__file__).parent / "cn" / "loc.dat").read_text().splitlines()
                     if line[:1].isdigit() and len(line.split()[0]) == 6})


def ric_check(body):
    value = (12 - sum(int(d) * pow(2, 17 - i, 11) for i, d in enumerate(body)) % 11) % 11
    return "X" if value == 10 else str(value)


def ric_with(rng, region, date):
    body = region + date.strftime("%Y%m%d") + rand_digits(rng, 3)
    return body + ric_check(body)


def ric_bad_date(rng):
    day, month = bad_date(rng)
    body = rng.choice(CN_REGIONS) + "%04d%02d%02d" % (rng.randint(1930, 2025), month, day) + rand_digits(rng, 3)
    return body + ric_check(body)


@scheme("cn.ric", ric.is_valid, check_alphabet=string.digits + "X",
        examples=["360426199101010071", "44011320141005001x", "360426199101010072"],
        edges=[lambda rng: ric_with(rng, rand_digits(rng, 6), random_date(rng, 1930, 2025)),
               ric_bad_date],
        rules=[Rule("region-table", True, False, lambda n: n[:6] not in CN_REGIONS)])
def make_ric(rng):
    return ric_with(rng, rng.choice(CN_REGIONS), random_date(rng, 1930, TODAY.year - 1))


CF_ODD = [1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23]
CF_MONTHS = "ABCDEHLMPRST"
CF_OMOCODIA = "LMNPQRSTUV"


def cf_letter(body):
    total = 0
    for i, c in enumerate(body):
        rank = int(c) if c.isdigit() else ord(c) - 65
        total += CF_ODD[rank] if i % 2 == 0 else rank
    return UPPER[total % 26]


def cf_day_value(number):
    """The day digits, omocodia letters read back."""
    return int("".join(str(CF_OMOCODIA.index(c)) if c in CF_OMOCODIA else c for c in number[9:11]))


def cf_with(rng, date, day_value=None):
    day = day_value if day_value is not None else date.day + rng.choice([0, 40])
    body = list("".join(rng.choices(UPPER, k=6)) + date.strftime("%y") + CF_MONTHS[date.month - 1] +
                "%02d" % day + rng.choice(UPPER) + rand_digits(rng, 3))
    # Omocodia replaces digits from the right.
    for place in [14, 13, 12, 10, 9, 7, 6][:rng.choice([0, 0, 0, 1, 2, 6])]:
        body[place] = CF_OMOCODIA[int(body[place])]
    body = "".join(body)
    return body + cf_letter(body)


@scheme("it.codicefiscale", codicefiscale.is_valid, check_alphabet=UPPER,
        examples=["RCCMNL83S18D969H", "MRTNTN23M02D969P", "CNTFNC84R44H5L1E", "RCCMNL83S18D96VW",
                  "RCCMNL83S18D969", "00743110157"],
        edges=[lambda rng: cf_with(rng, random_date(rng, 1950, 2025), rng.randint(80, 99))],
        rules=[Rule("company-number", False, True, lambda n: len(n) == 11 and n.isdigit()),
               Rule("day-80-to-99", False, True, lambda n: len(n) == 16 and cf_day_value(n) >= 80)])
def make_codicefiscale(rng):
    return cf_with(rng, random_date(rng, 1950, TODAY.year - 1))


CURP_ALPHABET = "0123456789ABCDEFGHIJKLMN&OPQRSTUVWXYZ"
CURP_STATES = ("AS BC BS CC CH CL CM CS DF DG GR GT HG JC MC MN MS NE NL NT OC PL QR QT SL SP SR TC "
               "TL TS VZ YN ZS").split()


def curp_with(rng, date, letters=None):
    body = ((letters or "".join(rng.choices(UPPER, k=4))) + date.strftime("%y%m%d") + rng.choice("HM") +
            rng.choice(CURP_STATES) + "".join(rng.choices(UPPER, k=3)) +
            rng.choice(string.digits if date.year < 2000 else UPPER))
    return body + str(-sum(CURP_ALPHABET.index(c) * (18 - i) for i, c in enumerate(body)) % 10)


@scheme("mx.curp", curp.is_valid,
        examples=["BOXW310820HNERXN09", "HEGG560427MVZRRL04", "MASI050805MVZRLRA8", "BOXW310820HNERXN08"],
        edges=[lambda rng: curp_with(rng, random_date(rng, 1950, 2025), rng.choice(sorted(curp._name_blacklist)))],
        rules=[Rule("inconvenient-word", True, False, lambda n: n[:4] in curp._name_blacklist)])
def make_curp(rng):
    return curp_with(rng, random_date(rng, 1930, TODAY.year - 1))


def rfc_with(rng, company):
    letters = "".join(rng.choices(UPPER + "&", k=3 if company else 4))
    date = random_date(rng, 1950, 2049).strftime("%y%m%d")
    if not company and rng.random() < 0.2:
        return letters + date
    return letters + date + "".join(rng.choices(ALNUM, k=3))


@scheme("mx.rfc", rfc.is_valid,
        examples=["GODE561231GR8", "GODE 561231 GR8", "MAB-930714-8T4", "COMG-600703", "VACE-460910-SX6",
                  "MAHM670102NJA"],
        edges=[lambda rng: rng.choice(sorted(rfc._name_blacklist)) + rfc_with(rng, False)[4:]],
        rules=[Rule("inconvenient-word", True, False,
                    lambda n: len(n) != 12 and n[:4] in rfc._name_blacklist)])
def make_rfc(rng):
    return rfc_with(rng, rng.random() < 0.3)


NO_INDIVIDUAL = {1854: (500, 749), 1900: (0, 499), 1940: (900, 999), 2000: (500, 999)}


def no_check_digits(body):
    k1 = -weighted(body, [3, 7, 6, 1, 8, 9, 4, 5, 2]) % 11
    k2 = -weighted(body + str(k1 % 10), [5, 4, 3, 2, 7, 6, 5, 4, 3, 2]) % 11
    return None if 10 in (k1, k2) else "%d%d" % (k1, k2)


def no_year_span(year):
    return 2000 if year >= 2000 else 1940 if year >= 1940 else 1900 if year >= 1900 else 1854


def fodselsnummer_with(rng, date, day_add=0, month_add=0):
    while True:
        low, high = NO_INDIVIDUAL[no_year_span(date.year)]
        body = "%02d%02d%s%03d" % (date.day + day_add, date.month + month_add, date.strftime("%y"),
                                   rng.randint(low, high))
        if no_check_digits(body):
            return body + no_check_digits(body)


def no_birth_date(number):
    day, month, yy, individual = int(number[:2]), int(number[2:4]), int(number[4:6]), int(number[6:9])
    day -= 40 if day > 40 else 0
    month -= 40 if month > 40 else 0
    century = (1900 if individual < 500 else 1800 if individual < 750 and yy >= 54 else
               2000 if yy < 40 else 1900 if individual >= 900 else None)
    return century and real_date(century + yy, month, day) and datetime.date(century + yy, month, day)


@scheme("no.fodselsnummer", fodselsnummer.is_valid,
        examples=["15108695088", "151086 95088", "10048744732", "15108695077"],
        edges=[lambda rng: fodselsnummer_with(rng, random_date(rng, TODAY.year + 1, 2039)),
               lambda rng: fodselsnummer_with(rng, random_date(rng, 1960, 2020), 40, 40)],
        rules=[Rule("future-birth-date", True, False,
                    lambda n: bool(no_birth_date(n)) and no_birth_date(n) > datetime.date.today()),
               Rule("d-and-h", False, True, lambda n: 40 < int(n[:2]) < 80 and int(n[2:4]) > 40)])
def make_fodselsnummer(rng):
    date = random_date(rng, 1860, TODAY.year - 1)
    kind = rng.choice(["", "", "D", "H"])
    return fodselsnummer_with(rng, date, 40 if kind == "D" else 0, 40 if kind == "H" else 0)


def personnummer_with(rng, date, sign, long_form, day_add=0):
    body = date.strftime("%y%m") + "%02d" % (date.day + day_add) + rand_digits(rng, 3)
    tail = body[6:] + luhn_digit(body)
    return (date.strftime("%Y")[:2] if long_form else "") + body[:6] + sign + tail


@scheme("se.personnummer", personnummer.is_valid,
        examples=["880320-0016", "880320-0018", "890102-3286", "811228-9841", "8803200016",
                  "19880320-0016", "188803200016", "880320+0016"],
        edges=[lambda rng: personnummer_with(rng, random_date(rng, 1950, 2025), "-", False, 60)],
        rules=[Rule("coordination-number", True, False,
                    lambda n: int(n.replace("-", "").replace("+", "")[-6:-4]) > 60),
               Rule("year-0", True, False,
                    lambda n: len(n.replace("-", "").replace("+", "")) == 12 and n[:4] == "0000")])
def make_personnummer(rng):
    form = rng.choice(["short", "plus", "long"])
    if form == "plus":
        return personnummer_with(rng, random_date(rng, 1850, 1949), "+", False)
    if form == "short":
        return personnummer_with(rng, random_date(rng, 1950, TODAY.year - 1), rng.choice(["-", ""]), False)
    return personnummer_with(rng, random_date(rng, 1900, TODAY.year - 1), rng.choice(["-", ""]), True)


def za_with(rng, citizenship):
    body = (random_date(rng, 1950, 2025).strftime("%y%m%d") + rand_digits(rng, 4) + citizenship +
            rng.choice("89"))
    return body + luhn_digit(body)


@scheme("za.idnr", za_idnr.is_valid,
        examples=["7503305044089", "5306060050180", "8503305044089"],
        edges=[lambda rng: za_with(rng, "2")],
        rules=[Rule("refugee", True, False, lambda n: n[10] == "2")])
def make_za_idnr(rng):
    return za_with(rng, rng.choice("01"))


@scheme("tr.tckimlik", tckimlik.is_valid,
        examples=["17291716060", "10010405214", "17291716050", "07291716092"])
def make_tckimlik(rng):
    body = rng.choice("123456789") + rand_digits(rng, 8)
    odd, even = sum(digits_of(body[0::2])), sum(digits_of(body[1::2]))
    tenth = (7 * odd - even) % 10
    return body + str(tenth) + str((odd + even + tenth) % 10)


EIN_PREFIXES = [p for p in range(1, 100) if p not in
                (0, 7, 8, 9, 17, 18, 19, 28, 29, 49, 69, 70, 78, 79, 89, 96, 97)]


@scheme("us.ein", ein.is_valid,
        examples=["91-1144442", "04-2103594", "53-6904399", "911-14-4442", "07-1144442"],
        edges=[lambda rng: "%02d%s-%s" % (rng.choice(EIN_PREFIXES), rand_digits(rng, 1), rand_digits(rng, 6))],
        rules=[Rule("hyphen-anywhere", True, False, lambda n: "-" in n and n.index("-") != 2)])
def make_ein(rng):
    number = "%02d%s" % (rng.choice(EIN_PREFIXES), rand_digits(rng, 7))
    return number[:2] + "-" + number[2:] if rng.random() < 0.5 else number
# --- Securities, trade, logistics, publishing and research ------------------------
#
# python-stdnum 1.18 has no module for sscc, s10 and iswc, so they are not
# cross-checked; isni and orcid go against its generic MOD 11-2, gtin and gln
# against its ean.

CONSONANTS = "BCDFGHJKLMNPQRSTVWXYZ"
HEX = "0123456789ABCDEF"


def alnum(rng, n, alphabet=ALNUM):
    return "".join(rng.choice(alphabet) for _ in range(n))


def alnum_any_length(rng):
    """1 to 20 digits and capitals, at least one a digit (which mutations change)."""
    return rng.choice(string.digits) + alnum(rng, rng.randint(0, 19))


def double_add(text, alphabet):
    """Every second value from the left doubled, the decimal digits added."""
    total = 0
    for i, c in enumerate(text):
        value = alphabet.index(c) * (2 if i % 2 else 1)
        total += value // 10 + value % 10
    return str(-total % 10)


def mod97_10(text):
    """The two ISO 7064 MOD 97-10 check digits that follow the text."""
    return "%02d" % (98 - iso7064_97(text + "00"))


def mod97_alternative(rng, make, split):
    while True:
        number = make(rng)
        head, digits, tail = split(number)
        other = {"97": "00", "98": "01", "02": "99"}.get(digits)
        if other:
            return head + other + tail


ISIN_COUNTRIES = ["US", "CA", "GB", "IE", "DE", "FR", "JP", "AU", "XS", "EU", "CH", "NL", "LU"]


@scheme("isin", isin.is_valid,
        examples=["US0378331005", "AU0000XVGZA3", "GB0002634946", "GB00BYXJL758", "US0378331013",
                  "US0378331006", "ZZ0378331005", "us0378331005"])
def make_isin(rng):
    body = rng.choice(ISIN_COUNTRIES) + alnum(rng, 9)
    return body + luhn_digit("".join(str(int(c, 36)) for c in body))


CUSIP_ALPHABET = ALNUM + "*@#"


@scheme("cusip", cusip.is_valid,
        examples=["DUS0421C5", "00141V267", "17275R102", "037833100", "DUS0421CN"])
def make_cusip(rng):
    body = alnum(rng, 8, ALNUM if rng.random() < 0.8 else CUSIP_ALPHABET)
    return body + double_add(body, CUSIP_ALPHABET)


SEDOL_ALPHABET = string.digits + CONSONANTS


def sedol_digit(body):
    return str(-sum(w * int(c, 36) for w, c in zip([1, 3, 1, 7, 3, 9], body)) % 10)


@scheme("gb.sedol", sedol.is_valid,
        examples=["B15KXQ8", "0016308", "0059585", "0263494", "B15KXQ7", "A15KXQ8", "0B5KXQ8"])
def make_sedol(rng):
    if rng.random() < 0.5:
        body = rand_digits(rng, 6)
    else:
        body = rng.choice(CONSONANTS) + alnum(rng, 5, SEDOL_ALPHABET)
    return body + sedol_digit(body)


FIGI_ALPHABET = string.digits + CONSONANTS


@scheme("figi", figi.is_valid,
        examples=["BBG000BLNQ16", "BBG000002KG4", "BBG00002MG40", "BBG000BLNQ14", "BSG000BLNQ16"])
def make_figi(rng):
    while True:
        prefix = alnum(rng, 2, CONSONANTS)
        if prefix not in ("BS", "BM", "GG", "GB", "VG"):
            break
    body = prefix + "G" + alnum(rng, 8, FIGI_ALPHABET)
    return body + double_add(body, ALNUM)


def make_lei_body(rng):
    body = alnum(rng, 4, string.digits + UPPER) + "00" + alnum(rng, 12)
    return body + mod97_10(body)


@scheme("lei", lei.is_valid,
        examples=["213800KUD8LAJWSQ9D15", "5493001KJTIIGC8Y1R12", "213800KUD8LXJWSQ9D15"],
        edges=[lambda rng: mod97_alternative(rng, make_lei_body, lambda n: (n[:18], n[18:], ""))],
        rules=[Rule("check-digits-00-01-99", False, True, lambda n: n[18:] in ("00", "01", "99"))])
def make_lei(rng):
    return make_lei_body(rng)


@scheme("us.rtn", rtn.is_valid, examples=["111000025", "112000025", "11100002B"])
def make_rtn(rng):
    body = rand_digits(rng, 8)
    return body + str(-weighted(body, [3, 7, 1, 3, 7, 1, 3, 7]) % 10)


def make_rf(rng):
    reference = alnum(rng, rng.randint(1, 21), string.digits if rng.random() < 0.5 else ALNUM)
    return "RF" + mod97_10(reference + "RF") + reference


@scheme("iso11649", iso11649.is_valid,
        examples=["RF18539007547034", "RF18 5390 0754 7034", "RF18 5390 0754 70Y", "RF97XX5ZIC",
                  "RF03SW3EZRUFBK", "RF17 5390 0754 7034"],
        edges=[lambda rng: mod97_alternative(rng, make_rf, lambda n: (n[:2], n[2:4], n[4:]))],
        rules=[Rule("check-digits-00-01-99", False, True, lambda n: n[2:4] in ("00", "01", "99"))])
def make_iso11649(rng):
    return make_rf(rng)


@scheme("gtin", ean.is_valid,
        examples=["98412345678908", "4006381333931", "036000291452", "96385074", "98412345678907"])
def make_gtin(rng):
    return ean_of_length(rng, rng.choice([8, 12, 13, 14]))


@scheme("gln", ean.is_valid, examples=["4012345123456", "4012345123457"])
def make_gln(rng):
    return ean_of_length(rng, 13)


@scheme("imei", imei.is_valid,
        examples=["490154203237518", "35-686800-004141-8", "3568680000414120", "490154203237519",
                  "49015420323751"],
        edges=[lambda rng: rand_digits(rng, 14), lambda rng: rand_digits(rng, 16)],
        rules=[Rule("fourteen-digits", False, True, lambda n: len(n) == 14)])
def make_imei(rng):
    body = rand_digits(rng, 14)
    return body + luhn_digit(body)


@scheme("ismn", ismn.is_valid,
        examples=["979-0-3452-4680-5", "9790345246805", "979-0-3217-6543-6", "M321765474",
                  "M-3452-4680-5", "979-1-3452-4680-5", "N345246805"])
def make_ismn(rng):
    digits = rand_digits(rng, 8)
    check = mod10_31("9790" + digits)
    return ("M" if rng.random() < 0.5 else "9790") + digits + check


def isan_with(rng, version, checks=True):
    work = alnum(rng, 16, HEX)
    number = work + (mod37_36(work) if checks else "")
    if version:
        hex_version = alnum(rng, 8, HEX)
        number += hex_version + (mod37_36(work + hex_version) if checks else "")
    return number


@scheme("isan", isan.is_valid, check_alphabet=ALNUM,
        examples=["0000-0000-D07A-0090-Q-0000-0000-X", "1881-66C7-3420-6541-Y-9F3A-0245-O",
                  "0000-0001-8CFA-0000-I-0000-0000-K", "0000-0000-D07A-0090-R-0000-0000-X"],
        edges=[lambda rng: isan_with(rng, rng.random() < 0.5, checks=False)],
        rules=[Rule("without-check-characters", False, True, lambda n: len(n) in (16, 24))])
def make_isan(rng):
    return isan_with(rng, rng.random() < 0.5)


def mod11_2_digit(payload):
    check = 0
    for c in payload:
        check = (2 * check + int(c)) % 11
    value = (1 - 2 * check) % 11
    return "X" if value == 10 else str(value)


def name_identifier(rng):
    body = rand_digits(rng, 15)
    return body + mod11_2_digit(body)


@scheme("isni", mod_11_2.is_valid, check_alphabet=string.digits + "X",
        examples=["000000012281955X", "0000000218250097"])
def make_isni(rng):
    return name_identifier(rng)


@scheme("orcid", mod_11_2.is_valid, check_alphabet=string.digits + "X",
        examples=["0000000218250097", "000000021694233X", "0000000216942330"])
def make_orcid(rng):
    return name_identifier(rng)


def damm_digit(payload):
    interim = 0
    for c in payload:
        interim = DAMM[interim][int(c)]
    return str(interim)


DAMM = [[0, 3, 1, 7, 5, 9, 8, 6, 4, 2], [7, 0, 9, 2, 1, 5, 4, 8, 6, 3],
        [4, 2, 0, 6, 8, 7, 1, 3, 5, 9], [1, 7, 5, 0, 9, 8, 3, 4, 2, 6],
        [6, 1, 2, 3, 0, 4, 5, 9, 7, 8], [3, 6, 7, 4, 2, 0, 9, 5, 8, 1],
        [5, 8, 6, 9, 7, 2, 0, 1, 3, 4], [8, 9, 4, 5, 3, 6, 2, 0, 1, 7],
        [9, 4, 3, 8, 6, 1, 7, 2, 0, 5], [2, 5, 8, 1, 4, 3, 6, 7, 9, 0]]


@scheme("damm", damm.is_valid, examples=["5724", "438812345679", "5723"])
def make_damm(rng):
    body = rand_digits(rng, rng.randint(1, 20))
    return body + damm_digit(body)


@scheme("iso7064.mod_11_2", mod_11_2.is_valid, check_alphabet=string.digits + "X",
        examples=["079X", "0794", "0000000218250097"])
def make_mod_11_2(rng):
    body = rand_digits(rng, rng.randint(1, 20))
    return body + mod11_2_digit(body)


MOD37_2 = ALNUM + "*"


@scheme("iso7064.mod_37_2", mod_37_2.is_valid, check_alphabet=MOD37_2,
        examples=["G123489654321Y", "G123489654321Z"])
def make_mod_37_2(rng):
    body = alnum_any_length(rng)
    check = 0
    for c in body:
        check = (2 * check + int(c, 36)) % 37
    return body + MOD37_2[(1 - 2 * check) % 37]


def make_mod_97_10_body(rng):
    body = rand_digits(rng, rng.randint(1, 20)) if rng.random() < 0.5 else alnum_any_length(rng)
    return body + mod97_10(body)


@scheme("iso7064.mod_97_10", mod_97_10.is_valid,
        examples=["213800KUD8LAJWSQ9D15", "539007547034RF18", "213800KUD8LAJWSQ9D16"],
        edges=[lambda rng: mod97_alternative(rng, make_mod_97_10_body, lambda n: (n[:-2], n[-2:], ""))],
        rules=[Rule("check-digits-00-01-99", False, True, lambda n: n[-2:] in ("00", "01", "99"))])
def make_mod_97_10(rng):
    return make_mod_97_10_body(rng)


def mod11_10_digit(payload):
    product = 10
    for c in payload:
        s = (product % 11 + int(c)) % 10 or 10
        product = 2 * s
    return str((1 - product % 11) % 10)


@scheme("iso7064.mod_11_10", mod_11_10.is_valid, examples=["07945", "07946"])
def make_mod_11_10(rng):
    body = rand_digits(rng, rng.randint(1, 20))
    return body + mod11_10_digit(body)


@scheme("iso7064.mod_37_36", mod_37_36.is_valid, check_alphabet=ALNUM,
        examples=["A12425GABC1234002M", "A12425GABC1234002N"])
def make_mod_37_36(rng):
    body = alnum_any_length(rng)
    return body + mod37_36(body)


def luhn_36(payload):
    total = 0
    for i, c in enumerate(reversed(payload)):
        value = int(c, 36) * (2 if i % 2 == 0 else 1)
        total += value // 36 + value % 36
    return ALNUM[-total % 36]


@scheme("luhn_mod_n", lambda n: luhn.is_valid(n, alphabet=ALNUM), check_alphabet=ALNUM,
        examples=["27AAPFU0939F1ZV", "27AAPFU0939F1ZW"])
def make_luhn_mod_n(rng):
    body = alnum_any_length(rng)
    return body + luhn_36(body)
def first_not_0(rng, n):
    return rng.choice("123456789") + rand_digits(rng, n - 1)


def until(rng, make):
    """The first number `make` gives that is not None."""
    while True:
        number = make(rng)
        if number is not None:
            return number


def bare(number, *prefixes):
    """The number without a leading prefix and the blank after it."""
    for prefix in prefixes:
        if number.startswith(prefix):
            return number[len(prefix):].lstrip()
    return number


def with_prefix(rng, number, prefix):
    return prefix + rng.choice(["", " "]) + number if rng.random() < 0.3 else number


VAT_MAKERS = {}


def vat_scheme(name, prefix, **kw):
    """A country's format; its maker is also the source of `vat`'s numbers."""
    def register(make):
        VAT_MAKERS[prefix] = (name, make, kw.get("rules", ()))
        return scheme(name, stdnum_module(name).is_valid, **kw)(make)
    return register


def at_uid_with(body):
    return "U" + body + str((6 - luhn_sum(body)) % 10)


@vat_scheme("at.uid", "AT", examples=["AT U13585627", "U13585626", "ATU13310040"])
def make_at_uid(rng):
    return with_prefix(rng, at_uid_with(rand_digits(rng, 7)), "AT")


def bg_legal(body):
    r = weighted(body, range(1, 9)) % 11
    if r == 10:
        r = weighted(body, range(3, 11)) % 11
    return body + str(r % 10)


def bg_person(rng):
    kind = rng.choice(["egn", "pnf", "other"])
    if kind == "egn":
        date = random_date(rng, 1850, 2099)
        month = date.month + (20 if date.year < 1900 else 40 if date.year >= 2000 else 0)
        body = "%02d%02d%02d" % (date.year % 100, month, date.day) + rand_digits(rng, 3)
        return body + str(weighted(body, [2, 4, 8, 5, 10, 9, 7, 3, 6]) % 11 % 10)
    body = rand_digits(rng, 9)
    if kind == "pnf":
        return body + str(weighted(body, [21, 19, 17, 13, 11, 9, 7, 3, 1]) % 10)
    r = (11 - weighted(body, [4, 3, 2, 7, 6, 5, 4, 3, 2])) % 11
    return body + str(r) if r < 10 else None


@vat_scheme("bg.vat", "BG", examples=["BG 175 074 752", "175074751", "7523169263", "8032056031"])
def make_bg_vat(rng):
    number = bg_legal(rand_digits(rng, 8)) if rng.random() < 0.5 else until(rng, bg_person)
    return with_prefix(rng, number, "BG")


CY_ODD = [1, 0, 5, 7, 9, 13, 15, 17, 19, 21]


def cy_with(body):
    total = sum(CY_ODD[d] if i % 2 == 0 else d for i, d in enumerate(digits_of(body)))
    return body + UPPER[total % 26]


@vat_scheme("cy.vat", "CY", check_alphabet=UPPER, examples=["CY-10259033P", "CY-10259033Z", "12000139V"])
def make_cy_vat(rng):
    body = rand_digits(rng, 8)
    return with_prefix(rng, cy_with(body if not body.startswith("12") else "0" + body[1:]), "CY")


def cz_birth_number(rng):
    date = random_date(rng, 1954, 2053)
    month = date.month + rng.choice([0, 50]) + (rng.choice([0, 20]) if date.year >= 2004 else 0)
    body = "%02d%02d%02d" % (date.year % 100, month, date.day) + rand_digits(rng, 3)
    r = int(body) % 11
    if r == 10 and date.year >= 1985:
        return None
    return body + str(r % 10)


def cz_nine_digit_birth_number(rng):
    date = random_date(rng, 1900, 1953)
    return "%02d%02d%02d" % (date.year % 100, date.month, date.day) + rand_digits(rng, 3)


@vat_scheme("cz.dic", "CZ",
            examples=["CZ 25123891", "25123890", "7103192745", "640903926", "CZ 640903926"],
            edges=[cz_nine_digit_birth_number],
            rules=[Rule("nine-digit-birth-number", False, True,
                        lambda n: len(bare(n, "CZ")) == 9 and bare(n, "CZ")[0] != "6")])
def make_cz_dic(rng):
    kind = rng.random()
    if kind < 0.4:
        body = rng.choice("12345678") + rand_digits(rng, 6)
        return body + str((11 - weighted(body, range(8, 1, -1)) % 11) % 10)
    if kind < 0.6:
        body = rand_digits(rng, 7)
        return "6" + body + str((8 - (10 - weighted(body, range(8, 1, -1)) % 11) % 11) % 10)
    return until(rng, cz_birth_number)


@vat_scheme("de.vat", "DE", examples=["DE136695976", "136695978", "DE 136,695 976", "DE113866163"])
def make_de_vat(rng):
    body = first_not_0(rng, 8)
    return with_prefix(rng, body + mod11_10_digit(body), "DE")


@vat_scheme("dk.cvr", "DK", examples=["DK 13585628", "DK 13585627"])
def make_dk_cvr(rng):
    body = first_not_0(rng, 7)
    r = (11 - weighted(body, [2, 7, 6, 5, 4, 3, 2])) % 11
    return with_prefix(rng, body + str(r), "DK") if r < 10 else make_dk_cvr(rng)


@vat_scheme("ee.kmkr", "EE", examples=["EE 100 931 558", "100594102", "100594103"])
def make_ee_kmkr(rng):
    body = rand_digits(rng, 8)
    return with_prefix(rng, body + str(-weighted(body, [3, 7, 1, 3, 7, 1, 3, 7]) % 10), "EE")


CIF_LETTERS = "JABCDEFGHI"


def es_cif_with(rng, entity):
    body = rand_digits(rng, 7)
    digit = luhn_digit(body)
    return entity + body + (CIF_LETTERS[int(digit)] if rng.random() < 0.5 else digit)


def es_nie_with(rng):
    first = rng.choice("XYZ")
    body = rand_digits(rng, 7)
    return first + body + DNI_LETTERS[int(str("XYZ".index(first)) + body) % 23]


@vat_scheme("es.nif", "ES", check_alphabet=DNI_LETTERS,
            examples=["ES B-58378431", "B64717838", "B64717839", "54362315K", "X-5253868-R",
                      "M-1234567-L", "Q2876031B", "J99216582"])
def make_es_nif(rng):
    kind = rng.random()
    if kind < 0.3:
        number = make_dni(rng)
    elif kind < 0.5:
        number = es_nie_with(rng)
    elif kind < 0.6:
        body = rand_digits(rng, 7)
        number = rng.choice("KLM") + body + DNI_LETTERS[int(body) % 23]
    else:
        number = es_cif_with(rng, rng.choice("ABCDEFGHJNPQRSUVW"))
    return with_prefix(rng, number, "ES")


ES_PREFIX = Rule("es-prefix", True, False, lambda n: n.upper().startswith("ES"))


@scheme("es.nie", stdnum_module("es.nie").is_valid, check_alphabet=DNI_LETTERS,
        examples=["x-2482300w", "x-2482300a", "X2482300", "X-5253868-R", "ESX2482300W"],
        rules=[ES_PREFIX])
def make_es_nie(rng):
    return es_nie_with(rng)


@scheme("es.cif", stdnum_module("es.cif").is_valid, check_alphabet=string.digits + CIF_LETTERS,
        examples=["J99216582", "J99216583", "J992165831", "M-1234567-L", "O-1234567-L", "B64717838",
                  "ES B-58378431"],
        rules=[ES_PREFIX])
def make_es_cif(rng):
    return es_cif_with(rng, rng.choice("ABCDEFGHJNPQRSUVW"))


@vat_scheme("fi.alv", "FI", examples=["FI 20774740", "FI 20774741"])
def make_fi_alv(rng):
    body = rand_digits(rng, 7)
    r = (11 - weighted(body, [7, 9, 10, 5, 8, 4, 2])) % 11
    return with_prefix(rng, body + str(r), "FI") if r < 10 else make_fi_alv(rng)


FR_KEY = "0123456789ABCDEFGHJKLMNPQRSTUVWXYZ"


def fr_letter_key(rng, siren):
    while True:
        a, b = rng.choice(FR_KEY), rng.choice(FR_KEY)
        if a.isdigit() and b.isdigit():
            continue
        k = (FR_KEY.index(a) * 24 + FR_KEY.index(b) - 10 if a.isdigit()
             else FR_KEY.index(a) * 34 + FR_KEY.index(b) - 100)
        if (int(siren) + 1 + k // 11) % 11 == k % 11:
            return a + b


@vat_scheme("fr.tva", "FR",
            examples=["Fr 40 303 265 045", "23334175221", "84 323 140 391", "K7399859412",
                      "4Z123456782", "IO334175221", "FR61954506077", "FR04409414364"])
def make_fr_tva(rng):
    siren = "000" + rand_digits(rng, 6) if rng.random() < 0.1 else (
        lambda b: b + luhn_digit(b))(rand_digits(rng, 8))
    key = fr_letter_key(rng, siren) if rng.random() < 0.3 else "%02d" % (int(siren + "12") % 97)
    return with_prefix(rng, key + siren, "FR")


@vat_scheme("gr.vat", "EL", examples=["EL 094259216 ", "EL 123456781", "GR 23456783", "EL094259216"])
def make_gr_vat(rng):
    body = rand_digits(rng, 8)
    total = 0
    for d in digits_of(body):
        total = (total + d) * 2
    number = body + str(total % 11 % 10)
    if number[0] == "0" and rng.random() < 0.2:
        number = number[1:]  # the old eight-digit form
    return with_prefix(rng, number, rng.choice(["EL", "GR"]))


@vat_scheme("hr.oib", "HR", examples=["HR 33392005961", "33392005962"])
def make_hr_oib(rng):
    body = rand_digits(rng, 10)
    return with_prefix(rng, body + mod11_10_digit(body), "HR")


@vat_scheme("hu.anum", "HU", examples=["HU-12892312", "HU-12892313"])
def make_hu_anum(rng):
    body = rand_digits(rng, 7)
    return with_prefix(rng, body + str(-weighted(body, [9, 7, 3, 1, 9, 7, 3]) % 10), "HU")


IE_ALPHABET = "WABCDEFGHIJKLMNOPQRSTUV"


def ie_vat_check(digits, second):
    return IE_ALPHABET[(weighted(digits, range(8, 1, -1)) + 9 * IE_ALPHABET.index(second)) % 23] \
        if second in IE_ALPHABET else None


def ie_vat_other_second(rng):
    body = rand_digits(rng, 7)
    second = rng.choice("CDEFGIJKLMNOPQRSTUV")
    return body + ie_vat_check(body, second) + second


@vat_scheme("ie.vat", "IE", check_alphabet=IE_ALPHABET,
            examples=["IE 6433435F", "IE 6433435OA", "6433435E", "8D79739I", "8?79739J",
                      "6433435FT", "1234567OB"],
            edges=[ie_vat_other_second],
            rules=[Rule("second-letter", None, None,
                        lambda n: len(bare(n, "IE")) == 9 and bare(n, "IE")[8] not in "ABHW")])
def make_ie_vat(rng):
    first, body = rng.choice(string.digits), rand_digits(rng, 5)
    if rng.random() < 0.2:  # the old form
        return first + rng.choice(UPPER + "+*") + body + ie_vat_check("0" + body + first, "W")
    digits = rand_digits(rng, 7)
    second = rng.choice(["", "A", "H", "W", "B"])
    return with_prefix(rng, digits + ie_vat_check(digits, second or "W") + second, "IE")


IT_OFFICES = ["%03d" % i for i in range(1, 101)] + ["120", "121", "888", "999"]


@vat_scheme("it.iva", "IT", examples=["IT 00743110157", "00743110158", "IT01404480202", "IT00118439991"])
def make_it_iva(rng):
    body = rand_digits(rng, 7) + rng.choice(IT_OFFICES)
    return with_prefix(rng, body + luhn_digit(body), "IT")


def lt_digit(body):
    r = sum((1 + i % 9) * d for i, d in enumerate(digits_of(body))) % 11
    if r == 10:
        r = sum((1 + (i + 2) % 9) * d for i, d in enumerate(digits_of(body))) % 11
    return str(r % 10)


@vat_scheme("lt.pvm", "LT",
            examples=["119511515", "LT 100001919017", "100001919018", "100004801610"])
def make_lt_pvm(rng):
    body = rand_digits(rng, 7) + "1" if rng.random() < 0.5 else rand_digits(rng, 10) + "1"
    return with_prefix(rng, body + lt_digit(body), "LT")


@vat_scheme("lu.tva", "LU", examples=["LU 150 274 42", "150 274 43"])
def make_lu_tva(rng):
    body = rand_digits(rng, 6)
    return with_prefix(rng, body + "%02d" % (int(body) % 89), "LU")


def lv_personal(rng, century_digit=None):
    date = random_date(rng, 1850, 2050)
    digit = (date.year - 1800) // 100 if century_digit is None else century_digit
    body = date.strftime("%d%m%y") + str(digit) + rand_digits(rng, 3)
    return body + str((1 + weighted(body, [10, 5, 8, 4, 2, 1, 6, 3, 7, 9])) % 11 % 10)


@vat_scheme("lv.pvn", "LV",
            examples=["LV 4000 3521 600", "40003521601", "161175-19997", "161375-19997"],
            edges=[lambda rng: lv_personal(rng, rng.randint(3, 9))],
            rules=[Rule("century-digit", False, True, lambda n: bare(n, "LV")[0] <= "3" and bare(n, "LV")[6] > "2")])
def make_lv_pvn(rng):
    if rng.random() < 0.5:
        return with_prefix(rng, lv_personal(rng), "LV")
    body = rng.choice("456789") + rand_digits(rng, 9)
    r = (3 - weighted(body, [9, 1, 4, 8, 3, 10, 2, 5, 7, 6])) % 11
    return with_prefix(rng, body + str(r), "LV") if r < 10 else make_lv_pvn(rng)


@vat_scheme("mt.vat", "MT", examples=["MT 1167-9112", "1167-9113"])
def make_mt_vat(rng):
    body = first_not_0(rng, 6)
    return with_prefix(rng, body + "%02d" % (-weighted(body, [3, 4, 6, 7, 8, 9]) % 37), "MT")


def nl_2020(rng):
    body = rand_digits(rng, 9) + "B"
    return body + "%02d" % (98 - iso7064_97("NL" + body + "00"))


def nl_check_01(rng):
    """A number whose 2020 check digits are 98, written 01 (1 too modulo 97)."""
    while True:
        body = rand_digits(rng, 9) + "B"
        if iso7064_97("NL" + body + "00") == 0:
            return body + "01"


@vat_scheme("nl.btw", "NL",
            examples=["004495445B01", "NL4495445B01", "NL002455799B11", "123456789B90",
                      "NL001162938B28"],
            edges=[nl_check_01, lambda rng: make_bsn_body(rng)[1:] + "B01"],
            rules=[Rule("check-digits-01", False, True, lambda n: n.endswith("01")),
                   Rule("short-bsn", False, True, lambda n: len(n.replace("NL", "")) == 11)])
def make_nl_btw(rng):
    if rng.random() < 0.5:
        return with_prefix(rng, nl_2020(rng), "NL")
    return with_prefix(rng, make_bsn_body(rng) + "B%02d" % rng.randint(1, 99), "NL")


@vat_scheme("pl.nip", "PL", examples=["PL 8567346215", "PL 8567346216", "123-456-32-18"])
def make_pl_nip(rng):
    body = rand_digits(rng, 9)
    r = weighted(body, [6, 5, 7, 2, 3, 4, 5, 6, 7]) % 11
    return with_prefix(rng, body + str(r), "PL") if r < 10 else make_pl_nip(rng)


@vat_scheme("pt.nif", "PT", examples=["PT 501 964 843", "PT 501 964 842"])
def make_pt_nif(rng):
    body = first_not_0(rng, 8)
    return with_prefix(rng, body + str((11 - weighted(body, range(9, 1, -1))) % 11 % 10), "PT")


@vat_scheme("ro.cf", "RO",
            examples=["RO 185 472 90", "185 472 90", "1630615123457", "RO1630615123457"],
            edges=[edge_cnp_bad_date,
                   lambda rng: cnp_with(rng, 0, random_date(rng, 1950, 1999).strftime("%y%m%d"))],
            rules=[Rule("cnp-first-digit-0", True, False, lambda n: len(n) == 13 and n[0] == "0"),
                   Rule("cnp-birth-date", True, False, lambda n: len(n) == 13 and n[0] != "0" and
                        not real_date(CNP_CENTURY[int(n[0])] + int(n[1:3]), int(n[3:5]),
                                      int(n[5:7])))])
def make_ro_cf(rng):
    if rng.random() < 0.2:
        return make_cnp(rng)
    body = first_not_0(rng, rng.randint(1, 9))
    weights = [7, 5, 3, 2, 1, 7, 5, 3, 2][9 - len(body):]
    return with_prefix(rng, body + str(10 * weighted(body, weights) % 11 % 10), "RO")


@vat_scheme("se.vat", "SE", examples=["SE 123456789701", "123456789101"])
def make_se_vat(rng):
    body = rand_digits(rng, 9)
    return with_prefix(rng, body + luhn_digit(body) + "01", "SE")


@vat_scheme("si.ddv", "SI", examples=["SI 5022 3054", "SI 50223055"])
def make_si_ddv(rng):
    body = first_not_0(rng, 7)
    check = 11 - weighted(body, range(8, 1, -1)) % 11
    return with_prefix(rng, body + str(0 if check == 10 else check), "SI") if check < 11 else make_si_ddv(rng)


@vat_scheme("sk.dph", "SK", examples=["SK 202 274 96 19", "SK 202 274 96 18", "7103192745"])
def make_sk_dph(rng):
    if rng.random() < 0.3:
        return until(rng, cz_birth_number)
    body = rng.choice("123456789") + rand_digits(rng, 1) + rng.choice("234789") + rand_digits(rng, 6)
    r = int(body) % 11
    return with_prefix(rng, body + str(r), "SK") if r < 10 else make_sk_dph(rng)


def gb_total(number):
    return weighted(number[:7], [8, 7, 6, 5, 4, 3, 2]) + int(number[7:9])


def gb_55_total(number):
    """Whether a number issued from 2009 totals 55 modulo 97, which stdnum also takes."""
    return (len(number) in (9, 12) and number.isdigit() and number[:3] >= "100" and
            gb_total(number) % 97 == 55)


def gb_55(rng):
    while True:
        body = rng.choice("123456789") + rand_digits(rng, 6)
        check = (55 - weighted(body, [8, 7, 6, 5, 4, 3, 2])) % 97
        if check not in ((-weighted(body, [8, 7, 6, 5, 4, 3, 2])) % 97,
                         (42 - weighted(body, [8, 7, 6, 5, 4, 3, 2])) % 97):
            return body + "%02d" % check


def gb_gd8888(rng):
    serial = rng.randint(0, 999)
    return ("GD" if serial < 500 else "HA") + "8888" + "%03d%02d" % (serial, serial % 97)


@vat_scheme("gb.vat", "GB",
            examples=["GB 980 7806 84", "802311781", "GD001", "HA501", "GD501", "GB002425728",
                      "GB340804329", "XI980780684", "GB 980 7806 84 001"],
            edges=[gb_55, gb_gd8888],
            rules=[Rule("total-55", False, True,
                        lambda n: gb_55_total(bare(n, "GB", "XI").replace(" ", ""))),
                   Rule("gd8888", False, True, lambda n: n[2:6] == "8888")])
def make_gb_vat(rng):
    kind = rng.random()
    if kind < 0.1:
        serial = rng.randint(0, 999)
        return ("GD" if serial < 500 else "HA") + "%03d" % serial
    body = rand_digits(rng, 7)
    total = weighted(body, [8, 7, 6, 5, 4, 3, 2])
    new = body[:3] >= "100" and kind < 0.5
    number = body + "%02d" % ((42 - total) % 97 if new else -total % 97)
    if rng.random() < 0.2:
        number += rand_digits(rng, 3)  # a branch
    return with_prefix(rng, number, rng.choice(["GB", "XI"]))


def ch_uid(rng):
    while True:
        body = rand_digits(rng, 8)
        check = (11 - weighted(body, [5, 4, 3, 2, 7, 6, 5, 4])) % 11
        if check < 10:
            return "CHE" + body + str(check)


@vat_scheme("ch.vat", "CH",
            examples=["CHE-107.787.577 IVA", "CHE-107.787.578 IVA", "CHE-109.910.570 MWST",
                      "CHE-100.155.212 TVA", "CHE-100.155.212"],
            edges=[ch_uid],
            rules=[Rule("without-mark", True, False, lambda n: n.rstrip()[-1].isdigit())])
def make_ch_vat(rng):
    return ch_uid(rng) + rng.choice([" ", ""]) + rng.choice(["MWST", "TVA", "IVA", "TPV"])


@vat_scheme("no.mva", "NO", examples=["NO 995 525 828 MVA", "NO 995 525 829 MVA", "995525828MVA"])
def make_no_mva(rng):
    body = rand_digits(rng, 8)
    check = (11 - weighted(body, [3, 2, 7, 6, 5, 4, 3, 2])) % 11
    return with_prefix(rng, body + str(check) + "MVA", "NO") if check < 10 else make_no_mva(rng)


# `vat`: numbers of every country, each behind its prefix. A difference is
# explained by the country's own rule, or by the Swiss number without its
# mark, which python-stdnum's ch.vat requires.
VAT_COUNTRY_MAKERS = dict(VAT_MAKERS, BE=("be.vat", make_be_vat, ()), AU=("au.abn", make_abn, ()))


def vat_country_rule(number, ours, theirs):
    prefix = {"XI": "GB", "GR": "EL"}.get(number[:2], number[:2])
    if prefix not in VAT_COUNTRY_MAKERS:
        return False
    rest = number[3:] if number[2] == " " else number[2:]
    for candidate in (rest, number):
        if any(r.explains(candidate, ours, theirs) for r in VAT_COUNTRY_MAKERS[prefix][2]):
            return True
    return False


class CountryRule(Rule):
    def explains(self, number, ours, theirs):
        return vat_country_rule(number, ours, theirs)


@scheme("vat", vatin.is_valid,
        examples=["DE136695976", "EL 094259216", "GR094259216", "XI980780684", "CHE-107.787.577 MWST",
                  "NO995525828MVA", "AU83914571673", "BE0403019261", "FRK7399859412", "QQ123456789",
                  "ATU13585627", "NL002455799B11", "ESX5253868R"],
        edges=[lambda rng: "NL" + nl_check_01(rng), lambda rng: "CZ" + cz_nine_digit_birth_number(rng)],
        rules=[CountryRule("country-rule", None, None, None)])
def make_vat(rng):
    prefix = rng.choice(sorted(VAT_COUNTRY_MAKERS))
    number = VAT_COUNTRY_MAKERS[prefix][1](rng)
    if prefix == "CH" or number.startswith(prefix) or (prefix == "GB" and number[:2] in ("XI", "GD", "HA")):
        return number if not number[:2] in ("GD", "HA") else "GB" + number
    if prefix == "EL" and number.startswith("GR"):
        return number
    return prefix + number


# --- Running ------------------------------------------------------------------------

def mutate(rng, number, check_alphabet):
    """The number with one digit changed, or with another check character."""
    if check_alphabet and rng.random() < 0.25:
        return number[:-1] + rng.choice(check_alphabet.replace(number[-1], ""))
    places = [i for i, c in enumerate(number) if c.isdigit()]
    i = rng.choice(places)
    return number[:i] + rng.choice(string.digits.replace(number[i], "")) + number[i + 1:]


def generate(name, entry, count, seed):
    rng = random.Random(f"{seed}:{name}")
    valid = entry["examples"] + [entry["make"](rng) for _ in range(count)]
    for maker in entry["edges"]:
        valid += [maker(rng) for _ in range(max(20, count // 50))]
    return valid + [mutate(rng, n, entry["check_alphabet"]) for n in valid]


def run_cli(cli, name, numbers):
    result = subprocess.run([cli, "check", name], input="\n".join(numbers) + "\n",
                            capture_output=True, text=True, encoding="latin-1")
    if result.returncode not in (0, 1):
        raise RuntimeError(f"numerant-cli check {name} failed ({result.returncode}): {result.stderr}")
    answers = result.stdout.splitlines()
    if len(answers) != len(numbers) or set(answers) - {"valid", "invalid"}:
        raise RuntimeError(f"numerant-cli check {name}: {len(answers)} answers for "
                           f"{len(numbers)} numbers, or an answer other than valid/invalid")
    return [a == "valid" for a in answers]


def documented_rules():
    if not DOC.exists():
        return set()
    return set(re.findall(r"^\|\s*`?([\w.]+)`?\s*\|\s*`([\w-]+)`", DOC.read_text(), re.MULTILINE))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("cli", help="path of numerant-cli")
    parser.add_argument("--count", type=int, default=10000, help="valid numbers per scheme")
    parser.add_argument("--seed", default="numerant", help="random seed")
    parser.add_argument("--scheme", action="append", choices=sorted(SCHEMES),
                        help="only this scheme (repeatable)")
    args = parser.parse_args()

    documented = documented_rules()
    failures = []
    started = time.monotonic()
    for name in args.scheme or sorted(SCHEMES, key=str.lower):
        entry = SCHEMES[name]
        numbers = generate(name, entry, args.count, args.seed)
        ours = run_cli(args.cli, name, numbers)
        theirs = [bool(entry["valid"](n)) for n in numbers]
        seen = {rule.name: 0 for rule in entry["rules"]}
        unexplained = []
        for number, a, b in zip(numbers, ours, theirs):
            if a == b:
                continue
            rule = next((r for r in entry["rules"] if r.explains(number, a, b)), None)
            if rule:
                seen[rule.name] += 1
            else:
                unexplained.append((number, a, b))
        agreed = sum(a == b for a, b in zip(ours, theirs))
        print(f"{name:10} {len(numbers):6} numbers, {sum(ours):6} valid for us, "
              f"{sum(theirs):6} for stdnum, {agreed:6} agree; " +
              (", ".join(f"{k}: {v}" for k, v in seen.items()) or "no rule differences"))
        for rule_name, hits in seen.items():
            if (name, rule_name) not in documented:
                failures.append(f"{name}: rule '{rule_name}' is missing from the table in {DOC}")
            if hits == 0:
                failures.append(f"{name}: documented difference '{rule_name}' never occurred; "
                                "is it still a difference?")
        if unexplained:
            failures.append(f"{name}: {len(unexplained)} unexplained differences, for example:\n" +
                            "\n".join(f"    {n!r}: ours {'valid' if a else 'invalid'}, stdnum "
                                      f"{'valid' if b else 'invalid'}" for n, a, b in unexplained[:10]))
    print(f"stdnum {stdnum.__version__}, seed {args.seed!r}, "
          f"{time.monotonic() - started:.1f} s")
    for failure in failures:
        print("FAIL " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
