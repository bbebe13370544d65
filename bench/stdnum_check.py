#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""python-stdnum's counterpart of `numerant-cli check`: reads numbers from
standard input, one a line, and prints valid or invalid for each.

    /usr/bin/python3 bench/stdnum_check.py MODULE < numbers.txt
    /usr/bin/python3 bench/stdnum_check.py MODULE --strict < numbers.txt

MODULE is a python-stdnum module path (luhn, iban, ean, isbn, verhoeff,
isin, lei, imei ...). With --strict the lines are read first and only the
calls of is_valid are timed: the process prints the CPU seconds they took,
nothing else.
"""
import importlib
import sys
import time

is_valid = importlib.import_module("stdnum." + sys.argv[1]).is_valid
if "--strict" in sys.argv[2:]:
    numbers = sys.stdin.read().splitlines()
    start = time.process_time()
    for number in numbers:
        is_valid(number)
    print(f"{time.process_time() - start:.6f}")
else:
    sys.stdout.writelines("valid\n" if is_valid(line.rstrip("\n")) else "invalid\n"
                          for line in sys.stdin)
