#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""numerant.check_many on a file of numbers, for bench/batch.py:

    /usr/bin/python3 bench/python_many.py MODULE_DIR SCHEME FILE [PASSES]

MODULE_DIR holds the built module (BUILD/python). The lines are read into a
list first; then check_many answers the whole list PASSES times (default 3)
and the least CPU time of a pass is printed in seconds, followed by the
number of valid answers.
"""
import sys
import time

sys.path.insert(0, sys.argv[1])
import numerant  # noqa: E402

scheme, path = sys.argv[2], sys.argv[3]
passes = int(sys.argv[4]) if len(sys.argv) > 4 else 3
with open(path, encoding="latin-1") as numbers_file:
    numbers = numbers_file.read().splitlines()
least = None
for _ in range(passes):
    start = time.process_time()
    answers = numerant.check_many(scheme, numbers)
    took = time.process_time() - start
    least = took if least is None else min(least, took)
print(f"{least:.6f} {sum(answers)}")
