#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""python-stdnum's counterpart of `numerant-cli check`: reads numbers from
standard input, one a line, and prints valid or invalid for each.

    /usr/bin/python3 bench/stdnum_check.py luhn|iban|ean|isbn|verhoeff < numbers.txt
"""
import importlib
import sys

is_valid = importlib.import_module("stdnum." + sys.argv[1]).is_valid
sys.stdout.writelines("valid\n" if is_valid(line.rstrip("\n")) else "invalid\n"
                      for line in sys.stdin)
