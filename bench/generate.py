#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Writes the number files of the batch benchmark: COUNT numbers a scheme,
half of them valid and half with one digit changed, from a fixed seed.

    /usr/bin/python3 bench/generate.py DIR [COUNT]

Files: DIR/Luhn.txt (2 to 20 digits), Creditcard.txt (13 to 19 digits),
IBAN.txt (countries of the IBAN registry, account parts of their format),
EAN.txt (EAN-8 and EAN-13), ISBN.txt (ISBN-10 and ISBN-13), Verhoeff.txt
(2 to 20 digits), and the international identifiers isin.txt, lei.txt,
gtin.txt (GTIN-8, -12, -13 and -14) and imei.txt (15 digits). Check
characters come from the cross-check's own rules and makers
(tests/crosscheck/crosscheck.py); imei.txt is written last.
"""
import pathlib
import random
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tests" / "crosscheck"))
import crosscheck as rules  # noqa: E402


def digits(rng, n):
    return "%0*d" % (n, rng.randrange(10 ** n))


def luhn(rng):
    body = digits(rng, rng.randint(1, 19))
    return body + rules.luhn_digit(body)


def creditcard(rng):
    body = rng.choice("3456") + digits(rng, rng.choice([12, 14, 15, 15, 15, 17]))
    return body + rules.luhn_digit(body)


def iban(rng):
    country = rng.choice(rules.IBAN_PLAIN)
    return rules.iban_with(country, rules.random_bban(rng, country))


def ean(rng):
    body = digits(rng, rng.choice([7, 12]))
    return body + rules.mod10_31(body)


def isbn(rng):
    if rng.random() < 0.5:
        return rules.isbn10(digits(rng, 9))
    body = rng.choice(["978", "979"]) + digits(rng, 9)
    return body + rules.mod10_31(body)


def verhoeff(rng):
    body = digits(rng, rng.randint(1, 19))
    return body + rules.verhoeff_digit(body)


MAKERS = {"Luhn": luhn, "Creditcard": creditcard, "IBAN": iban, "EAN": ean, "ISBN": isbn,
          "Verhoeff": verhoeff, "isin": rules.make_isin, "lei": rules.make_lei,
          "gtin": rules.make_gtin, "imei": rules.make_imei}


def main():
    directory = pathlib.Path(sys.argv[1])
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000
    directory.mkdir(parents=True, exist_ok=True)
    for name, make in MAKERS.items():
        rng = random.Random("batch:" + name)
        numbers = []
        for i in range(count):
            number = make(rng)
            numbers.append(rules.mutate(rng, number, None) if i % 2 else number)
        (directory / (name + ".txt")).write_text("\n".join(numbers) + "\n")


if __name__ == "__main__":
    main()
