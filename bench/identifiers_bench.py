#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The international identifiers against python-stdnum: isin, lei, gtin and imei.

    /usr/bin/python3 bench/identifiers_bench.py BUILD [COUNT]

BUILD holds cli/numerant-cli and python/ (the module). For each format the
same COUNT numbers (default 200,000; half valid, half with one digit
changed, from a fixed seed) go through
  - `numerant-cli check FORMAT` end to end: the process reads the numbers on
    standard input and writes one answer a line;
  - bench/stdnum_check.py, python-stdnum's counterpart of that process
    (`ean` for gtin);
  - python-stdnum's is_valid called in a loop;
  - numerant.check_many, one call for the whole list.
Each is run three times and counts with its least CPU time (user and system,
of the process and of numerant-cli). All three must give
the same answers.
"""
import os
import random
import resource
import string
import subprocess
import sys
import time

BUILD = sys.argv[1]
COUNT = int(sys.argv[2]) if len(sys.argv) > 2 else 200_000
sys.path.insert(0, os.path.join(BUILD, "python"))

import numerant  # noqa: E402
from stdnum import ean, imei, isin, lei, luhn  # noqa: E402
from stdnum.iso7064 import mod_97_10  # noqa: E402

ALNUM = string.digits + string.ascii_uppercase


def isin_number(rng):
    body = rng.choice(["US", "GB", "DE", "FR", "JP", "XS"]) + "".join(rng.choices(ALNUM, k=9))
    return body + isin.calc_check_digit(body)


def lei_number(rng):
    body = "".join(rng.choices(ALNUM, k=18))
    return body + mod_97_10.calc_check_digits(body)


def gtin_number(rng):
    body = "".join(rng.choices(string.digits, k=rng.choice([7, 11, 12, 13])))
    return body + ean.calc_check_digit(body)


def imei_number(rng):
    body = "".join(rng.choices(string.digits, k=14))
    return body + luhn.calc_check_digit(body)


FORMATS = [("isin", isin_number, isin, "isin"), ("lei", lei_number, lei, "lei"),
           ("gtin", gtin_number, ean, "ean"), ("imei", imei_number, imei, "imei")]
HERE = os.path.dirname(os.path.abspath(__file__))


def numbers_of(make):
    rng = random.Random(21)
    numbers = []
    for i in range(COUNT):
        number = make(rng)
        if i % 2:
            at = rng.choice([j for j, c in enumerate(number) if c.isdigit()])
            number = number[:at] + str((int(number[at]) + 1) % 10) + number[at + 1:]
        numbers.append(number)
    return numbers


def cpu_time():
    """User and system time of this process and of its finished children."""
    own = resource.getrusage(resource.RUSAGE_SELF)
    children = resource.getrusage(resource.RUSAGE_CHILDREN)
    return own.ru_utime + own.ru_stime + children.ru_utime + children.ru_stime


def best(run, times=3):
    """The result of the run and its least CPU time: on a loaded machine the
    wall time says more about the other work than about this one."""
    result, least = None, None
    for _ in range(times):
        started = cpu_time()
        result = run()
        took = cpu_time() - started
        least = took if least is None else min(least, took)
    return result, least


def main():
    cli = os.path.join(BUILD, "cli", "numerant-cli")
    print(f"{COUNT} numbers a format, least CPU time of 3 runs")
    print("| Format | stdnum process | numerant-cli check | ratio | stdnum is_valid loop "
          "| numerant.check_many | ratio |")
    print("|---|---|---|---|---|---|---|")
    for name, make, module, peer in FORMATS:
        numbers = numbers_of(make)
        data = ("\n".join(numbers) + "\n").encode()
        peer_out, t_peer = best(lambda: subprocess.run(
            ["/usr/bin/python3", os.path.join(HERE, "stdnum_check.py"), peer], input=data,
            capture_output=True).stdout)
        out, t_cli = best(lambda: subprocess.run([cli, "check", name], input=data,
                                                 capture_output=True).stdout)
        theirs, t_stdnum = best(lambda: [module.is_valid(n) for n in numbers])
        ours, t_many = best(lambda: numerant.check_many(name, numbers))
        assert out == peer_out, name
        assert out.decode().split() == ["valid" if v else "invalid" for v in theirs], name
        assert list(ours) == theirs, name
        print(f"| {name} | {t_peer:.3f} s | {t_cli:.3f} s | {t_peer / t_cli:.0f}x | "
              f"{t_stdnum:.3f} s | {t_many:.3f} s | {t_stdnum / t_many:.0f}x |")


if __name__ == "__main__":
    main()
