# SPDX-License-Identifier: MIT
"""The Dask example, small, on a local cluster of two worker processes."""
import subprocess
import sys

import numerant
from conftest import ROOT, SAMPLES, inputs_of

EXAMPLE = ROOT / "examples" / "python" / "dask_column.py"


def run_example(*arguments):
    run = subprocess.run([sys.executable, EXAMPLE, *arguments], capture_output=True, text=True,
                         timeout=240)
    assert run.returncode == 0, run.stderr
    return run.stdout.splitlines()


def test_a_file_in_many_partitions_gives_the_answers_of_one_process(tmp_path):
    numbers = [n for _, stem, number, more in SAMPLES[:30] for n in inputs_of(stem, number, more)
               if "\n" not in n] * 40
    column = tmp_path / "numbers.txt"
    column.write_text("\n".join(numbers) + "\n", encoding="utf-8")
    valid = numerant.check_many("IBAN", numbers)
    lines = run_example("IBAN", str(column), "--blocksize", "4KiB")
    assert lines[0].startswith(f"IBAN: {len(numbers)} numbers in ")
    assert lines[0].endswith(f"partitions, {sum(valid)} valid, {len(numbers) - sum(valid)} invalid")
    first_invalid = [n for n, ok in zip(numbers, valid) if not ok][:5]
    assert lines[1] == "first invalid: " + ", ".join(first_invalid)


def test_a_column_made_on_the_workers():
    lines = run_example("Verhoeff", "--demo", "20000")
    assert lines[0] == "Verhoeff: 20000 numbers in 8 partitions, 10000 valid, 10000 invalid"
