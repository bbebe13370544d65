# SPDX-License-Identifier: MIT
"""Times SELECT count(*) ... WHERE <check> over a table of EAN-13 numbers in
the server bench/postgresql.sh started, for numerant.check, the isn module
(weak and strict) and a PL/pgSQL check, and prints a Markdown table."""
import argparse
import os
import re
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


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--count", type=int, default=1000000)
    parser.add_argument("--runs", type=int, default=5)
    arguments = parser.parse_args()
    psql(SETUP.replace("{count}", str(arguments.count)))
    print(f"{arguments.count:,} EAN-13 numbers a table; `mixed` has every second one invalid, "
          f"`valid` none. Best and median of {arguments.runs} runs of SELECT count(*).\n")
    print("| check | table | rows counted | best ms | median ms | ns a row (best) |")
    print("|---|---|---:|---:|---:|---:|")
    for name, table, settings, condition in CASES:
        query = f"SELECT count(*) FROM {table} WHERE {condition};"
        output = psql(settings + "\n" + query + "\n\\timing on\n" + (query + "\n") * arguments.runs)
        times = [float(t) for t in re.findall(r"^Time: ([\d.]+) ms", output, re.MULTILINE)]
        counted = output.split()[0] if "isn_weak" not in settings else output.split()[1]
        best = min(times)
        print(f"| {name} | {table} | {int(counted):,} | {best:.0f} | "
              f"{statistics.median(times):.0f} | {best * 1e6 / arguments.count:.0f} |")


if __name__ == "__main__":
    main()
