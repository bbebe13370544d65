#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Writes numerant-cli's answers to a fixed corpus of inputs, one file per
scheme and command, so that two builds can be compared with `diff -r`.

    scripts/answer-corpus.py build/cli/numerant-cli /tmp/answers-before
    ... change the library ...
    scripts/answer-corpus.py build/cli/numerant-cli /tmp/answers-after
    diff -r /tmp/answers-before /tmp/answers-after

The inputs are the seed corpus of the fuzzer (the worked examples of every
scheme), each of them with one character changed, cut short or lengthened,
and random texts over digits, letters, separators and ISO-8859-1 letters,
all from a fixed seed.
"""
import pathlib
import random
import subprocess
import sys

ALPHABETS = [
    "0123456789",
    "0123456789 -",
    "0123456789X",
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "0123456789abcdefghijklmnopqrstuvwxyz -./+",
    "0123456789ABCKXZ-+ .\u00e4\u00c9\u00df\u00ff?@*",
]


def corpus_inputs(root: pathlib.Path) -> list[str]:
    rng = random.Random(20261206)
    seeds = []
    for path in sorted((root / "fuzz" / "corpus").iterdir()):
        text = path.read_bytes().decode("latin-1").replace("\n", "").replace("\r", "")
        seeds.append(text)
    inputs = ["", " ", "-", "0", "00", "A"]
    for seed in seeds:
        inputs.append(seed)
        inputs.append(seed[:-1])
        inputs.append(seed + "0")
        inputs.append(seed[:-2] + " " + seed[-2:] if len(seed) > 2 else seed)
        for _ in range(6):
            if not seed:
                break
            i = rng.randrange(len(seed))
            c = rng.choice("0123456789XAKZ -.")
            inputs.append(seed[:i] + c + seed[i + 1:])
        inputs.append(seed.lower())
    for _ in range(3000):
        alphabet = rng.choice(ALPHABETS)
        length = rng.choice([rng.randrange(0, 40), rng.randrange(6, 20)])
        inputs.append("".join(rng.choice(alphabet) for _ in range(length)))
    inputs.append("7" * 5470)
    inputs.append("1" * 33000)
    return inputs


def main() -> int:
    cli, out = sys.argv[1], pathlib.Path(sys.argv[2])
    root = pathlib.Path(__file__).resolve().parent.parent
    out.mkdir(parents=True, exist_ok=True)
    data = ("\n".join(corpus_inputs(root)) + "\n").encode("utf-8")
    names = subprocess.run([cli, "list"], capture_output=True, text=True, check=True).stdout.split()
    names += ["Luhn", "Modulo10", "Modulo97"]
    for name in names:
        for args in (["calc"], ["check"], ["--json", "calc"], ["--json", "check"]):
            result = subprocess.run([cli, *args, name], input=data, capture_output=True)
            tag = "-".join(a.strip("-") for a in args)
            (out / f"{name}.{tag}").write_bytes(result.stdout + b"exit %d\n" % result.returncode)
    convert = subprocess.run([cli, "--json", "convert", "UPC"], input=data, capture_output=True)
    (out / "UPC.convert").write_bytes(convert.stdout + b"exit %d\n" % convert.returncode)
    return 0


if __name__ == "__main__":
    sys.exit(main())
