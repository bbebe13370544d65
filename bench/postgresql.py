# SPDX-License-Identifier: MIT
"""Times SELECT count(*) ... WHERE <check> over a table of EAN-13 numbers in
the server bench/postgresql.sh started, for numerant.check, the isn module
(weak and strict) and a PL/pgSQL check, and prints a Markdown table. With
parallel workers the CPU time is the leader's alone; the wall clock tells
that case."""
import argparse
import os
import statistics
import subprocess

PSQL = os.environ.get("NUMERANT_PSQL", "psql")

SETUP = """
CREATE EXTENSION IF NOT EXISTS numerant;
CREATE EXTENSION IF NOT EXISTS isn;
-- EAN-13 in PL/pgSQL: weights 1 and 3 from the left, the check digit brings
-- the total to a multiple of 10.
CREATE OR REPLACE FUNCTION ean_plpgsql(c text) RETURNS boolean
LANGUAGE plpgsql IMMUTABLE STRICT PARALLEL SAFE AS $$
DECLARE
  total integer := 0;
BEGIN
  IF c !~ '^[0-9]{13}$' THEN
    RETURN false;
  END IF;
  FOR i IN 1..12 LOOP
    total := total + (ascii(substr(c, i, 1)) - 48) * (CASE WHEN i % 2 = 0 THEN 3 ELSE 1 END);
  END LOOP;
  RETURN (10 - total % 10) % 10 = ascii(substr(c, 13, 1)) - 48;
END
$$;
DROP TABLE IF EXISTS valid, mixed;
-- Numbers of the GS1 prefix 40, spread over the payloads; in mixed, every
-- second one has its check digit raised by one.
CREATE TABLE valid AS
  SELECT numerant.complete('EAN', '40' || lpad(((g::bigint * 1000003) % 10000000000)::text, 10, '0')) AS c
  FROM generate_series(1, {count}) AS g;
CREATE TABLE mixed AS
  SELECT CASE WHEN row_number() OVER () % 2 = 0 THEN c
              ELSE left(c, 12) || (right(c, 1)::integer + 1) % 10 END AS c
  FROM valid;
VACUUM ANALYZE valid;
VACUUM ANALYZE mixed;
"""

SERIAL = "SET max_parallel_workers_per_gather = 0; SET jit = off;"
CASES = [
    ("reading the rows alone", "mixed", SERIAL, "c IS NOT NULL"),
    ("numerant.check('ean', c)", "mixed", SERIAL, "numerant.check('ean', c)"),
    ("isn, weak: is_valid(c::ean13)", "mixed", SERIAL + " SELECT isn_weak(true);",
     "is_valid(c::ean13)"),
    ("PL/pgSQL ean_plpgsql(c)", "mixed", SERIAL, "ean_plpgsql(c)"),
    ("numerant.check('ean', c)", "valid", SERIAL, "numerant.check('ean', c)"),
    ("isn, strict: is_valid(c::ean13)", "valid", SERIAL + " SELECT isn_weak(false);",
     "is_valid(c::ean13)"),
    ("numerant.check('ean', c), 2 parallel workers", "mixed",
     "SET max_parallel_workers_per_gather = 2; SET parallel_setup_cost = 0; SET jit = off;",
     "numerant.check('ean', c)"),
]


def psql(script):
    run = subprocess.run([PSQL, "-X", "-q", "-A", "-t", "-v", "ON_ERROR_STOP=1", "-f", "-"],
                         input=script, capture_output=True, text=True, check=True)
    return run.stdout


# The backend's CPU time (ns, from the kernel's scheduler statistics of the
# process that runs the statement) and the wall clock, read before and after
# each statement.
MARK = ("SELECT 'mark ' || split_part(pg_read_file('/proc/self/schedstat'), ' ', 1) || ' ' "
        "|| extract(epoch FROM clock_timestamp());")


def measure(settings, query, runs):
    """The count, and (CPU ms, wall ms) of each run after a warming one."""
    script = settings + "\n" + query + "\n" + (MARK + "\n" + query + "\n") * runs + MARK + "\n"
    lines = psql(script).split("\n")
    marks = [line.split() for line in lines if line.startswith("mark ")]
    counts = [line for line in lines if line.isdigit()]
    times = []
    for before, after in zip(marks, marks[1:]):
        times.append(((int(after[1]) - int(before[1])) / 1e6,
                      (float(after[2]) - float(before[2])) * 1e3))
    return int(counts[-1]), times


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--count", type=int, default=1000000)
    parser.add_argument("--runs", type=int, default=5)
    arguments = parser.parse_args()
    psql(SETUP.replace("{count}", str(arguments.count)))
    print(f"{arguments.count:,} EAN-13 numbers a table; `mixed` has every second one invalid, "
          f"`valid` none. Best and median of {arguments.runs} runs of SELECT count(*): the "
          f"backend's CPU time, and the wall clock.\n")
    print("| check | table | rows counted | CPU ms, best | CPU ms, median | ns a row (CPU, best) "
          "| wall ms, best |")
    print("|---|---|---:|---:|---:|---:|---:|")
    for name, table, settings, condition in CASES:
        counted, times = measure(settings, f"SELECT count(*) FROM {table} WHERE {condition};",
                                 arguments.runs)
        cpu = [t[0] for t in times]
        wall = [t[1] for t in times]
        print(f"| {name} | {table} | {counted:,} | {min(cpu):.0f} | {statistics.median(cpu):.0f} "
              f"| {min(cpu) * 1e6 / arguments.count:.0f} | {min(wall):.0f} |")


if __name__ == "__main__":
    main()
