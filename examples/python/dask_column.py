#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Checks a column of numbers too large for one process with Dask: the column
is cut into partitions, and each partition goes through numerant.check_many
in one call on whichever worker holds it.

    # A file (or a glob of files) with one number a line, on a local cluster
    # of two worker processes:
    PYTHONPATH=build/python /usr/bin/python3 examples/python/dask_column.py IBAN accounts.txt

    # The same on a cluster of many machines: start `dask-scheduler` on one
    # and `dask-worker tcp://SCHEDULER:8786` on each of the others (each with
    # the numerant module installed, and the files where every worker reads
    # them), then name the scheduler:
    ... dask_column.py IBAN '/shared/accounts-*.txt' --scheduler tcp://SCHEDULER:8786

    # No file at hand: a column of COUNT Luhn numbers made on the workers, every
    # second one with a digit changed.
    ... dask_column.py Luhn --demo 1000000

It prints how many numbers were checked, how many are valid, and the first
invalid ones. A column of a Dask DataFrame goes the same way, one call a
partition:

    valid = frame["iban"].map_partitions(
        lambda part: pandas.Series(numerant.check_many("IBAN", part), index=part.index))
"""
import argparse
import random

import dask.bag
from dask.distributed import Client, LocalCluster

import numerant

SHOWN_INVALID = 5


def check_partition(lines, scheme):
    """One partition: its numbers, how many are valid, its first invalid ones."""
    numbers = [line.rstrip("\r\n") for line in lines]
    valid = numerant.check_many(scheme, numbers)
    invalid = [number for number, ok in zip(numbers, valid) if not ok][:SHOWN_INVALID]
    return [(len(numbers), sum(valid), invalid)]


def demo_partition(seeds, scheme):
    """Numbers made on the worker: random payloads completed with their check
    digits, every second one with its first digit changed."""
    numbers = []
    for seed in seeds:
        rng = random.Random(seed)
        payload = str(rng.randrange(10**15, 10**16))
        number = payload + numerant.calculate(scheme, payload)
        if seed % 2:
            number = str((int(number[0]) + 1) % 10) + number[1:]
        numbers.append(number + "\n")
    return numbers


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("scheme", help="a name from numerant.schemes()")
    parser.add_argument("files", nargs="*", help="text files (or globs), one number a line")
    parser.add_argument("--demo", type=int, metavar="COUNT",
                        help="check COUNT numbers made on the workers instead of files")
    parser.add_argument("--scheduler", help="address of a running Dask scheduler")
    parser.add_argument("--workers", type=int, default=2,
                        help="worker processes of the local cluster (default 2)")
    parser.add_argument("--blocksize", default="16MiB", help="bytes of a file a partition")
    options = parser.parse_args()
    if bool(options.files) == bool(options.demo):
        parser.error("name files or --demo COUNT, not both")
    numerant.Scheme(options.scheme)  # an unknown name stops here, before any work

    if options.scheduler:
        client = Client(options.scheduler)
    else:
        cluster = LocalCluster(n_workers=options.workers, threads_per_worker=1,
                               host="127.0.0.1", dashboard_address=None)
        client = Client(cluster)
    with client:
        if options.demo:
            partitions = max(options.workers * 4, options.demo // 250_000)
            lines = dask.bag.range(options.demo, npartitions=partitions).map_partitions(
                demo_partition, options.scheme)
        else:
            lines = dask.bag.read_text(options.files, blocksize=options.blocksize)
        summaries = lines.map_partitions(check_partition, options.scheme).compute()

    total = sum(count for count, _, _ in summaries)
    valid = sum(count for _, count, _ in summaries)
    print(f"{options.scheme}: {total} numbers in {len(summaries)} partitions, "
          f"{valid} valid, {total - valid} invalid")
    shown = [number for _, _, invalid in summaries for number in invalid][:SHOWN_INVALID]
    if shown:
        print("first invalid: " + ", ".join(shown))


if __name__ == "__main__":
    main()
