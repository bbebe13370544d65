# SPDX-License-Identifier: MIT
"""The PostgreSQL extension on a real server (tests/databases/cluster.sh
starts it): every scheme against numerant-cli, constraints, indexes and
generated columns, NULLs, encodings, long texts, errors and parallel
workers.

    cluster.sh MODULE_DIR EXTENSION_DIR /usr/bin/python3 postgresql_test.py --cli CLI
"""
import argparse
import json
import os
import re
import subprocess
import sys
import unittest

import expectations

CLI = None  # set from --cli
README = None  # set from --readme
HERE = os.path.dirname(os.path.abspath(__file__))
PSQL = os.environ.get("NUMERANT_PSQL", "psql")
FUNCTIONS = ("check", "calculate", "complete", "explain", "fields", "format_number", "compact")
# The answer each function gives, as expectations.py names it.
ANSWER = {"format_number": "format"}


def literal(text):
    return "'" + text.replace("'", "''") + "'"


def psql(script, database="postgres", expect_error=False, user="postgres"):
    """Runs a script; returns its rows (unaligned, tuples only) as lines, or
    with expect_error, the error printed (verbose, with its SQLSTATE)."""
    run = subprocess.run(
        [PSQL, "-X", "-q", "-A", "-t", "-v", "ON_ERROR_STOP=1", "-v", "VERBOSITY=verbose",
         "-d", database, "-U", user, "-f", "-"],
        input="\\set VERBOSITY verbose\n" + script, capture_output=True, text=True,
        encoding="utf-8", env={**os.environ, "PGCLIENTENCODING": "UTF8"}, check=False)
    if expect_error:
        if run.returncode == 0:
            raise AssertionError(f"no error from:\n{script}")
        return run.stderr
    if run.returncode != 0:
        raise AssertionError(f"psql failed:\n{run.stderr}\n{script[:2000]}")
    return run.stdout.splitlines()


def answers_query(cases):
    """One row of JSON a case: what each function answers."""
    values = ",\n".join(f"({i}, {literal(name)}, {literal(text)})"
                        for i, (name, text, _) in enumerate(cases))
    members = ", ".join(f"'{ANSWER.get(f, f)}', numerant.{f}(s, n)" for f in FUNCTIONS)
    return (f"SELECT json_build_object({members}) FROM (VALUES {values}) AS v(i, s, n) "
            f"ORDER BY i;")


class Extension(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        psql("CREATE EXTENSION IF NOT EXISTS numerant;")

    def assertAnswers(self, cases, database="postgres"):
        rows = psql(answers_query(cases), database)
        self.assertEqual(len(rows), len(cases))
        wrong = []
        for (name, text, expected), row in zip(cases, rows):
            answer = json.loads(row)
            if answer != expected:
                wrong.append(f"{name} {text!r}:\n  database {answer}\n  numerant-cli {expected}")
            # A character outside ISO-8859-1 never makes a number valid.
            if any(ord(c) > 0xFF for c in text) and answer["check"]:
                wrong.append(f"{name} {text!r} is valid")
        self.assertEqual(wrong, [], "\n".join(wrong[:20]))

    def test_every_scheme_answers_as_numerant_cli(self):
        self.assertAnswers(expectations.every_case(CLI))

    def test_a_latin1_database_answers_alike(self):
        if not psql("SELECT 1 FROM pg_database WHERE datname = 'latin1';"):
            psql("CREATE DATABASE latin1 ENCODING 'LATIN1' LC_COLLATE 'C' LC_CTYPE 'C' "
                 "TEMPLATE template0;")
            psql("CREATE EXTENSION numerant;", "latin1")
        cases = [case for case in expectations.every_case(CLI)
                 if all(ord(c) <= 0xFF for c in case[1])]
        self.assertAnswers(cases, "latin1")

    def test_schemes_lists_the_catalogue(self):
        rows = psql("SELECT json_build_object('name', name, 'lengths', lengths), "
                    "description <> '' FROM numerant.schemes();")
        listed = [json.loads(row.split("|")[0]) for row in rows]
        self.assertEqual(listed, CLI.schemes())
        self.assertTrue(all(row.endswith("|t") for row in rows))

    def test_functions_are_immutable_strict_and_parallel_safe(self):
        rows = psql("SELECT proname, provolatile, proisstrict, proparallel FROM pg_proc "
                    "WHERE pronamespace = 'numerant'::regnamespace ORDER BY proname;")
        self.assertEqual(rows, [f"{name}|i|t|s" for name in sorted(FUNCTIONS + ("schemes",))])

    def test_a_database_owner_who_is_no_superuser_may_create_it(self):
        psql("CREATE ROLE keeper LOGIN; CREATE DATABASE kept OWNER keeper;")
        self.assertEqual(psql("CREATE EXTENSION numerant; "
                              "SELECT numerant.check('EAN', '4006381333931');",
                              "kept", user="keeper"), ["t"])

    def test_null_arguments_give_null(self):
        calls = [f"numerant.{f}({a}, {b}) IS NULL" for f in FUNCTIONS
                 for a, b in (("NULL", "'4006381333931'"), ("'EAN'", "NULL"), ("NULL", "NULL"))]
        self.assertEqual(psql(f"SELECT {', '.join(calls)};"), ["|".join(["t"] * len(calls))])

    def test_no_check_digit_gives_null(self):
        self.assertEqual(psql("SELECT numerant.calculate('EAN', '12') IS NULL, "
                              "numerant.complete('EAN', '') IS NULL, "
                              "numerant.calculate('BI', '') IS NULL;"), ["t|t|t"])

    def test_an_unknown_scheme_is_an_error_naming_it(self):
        for function in FUNCTIONS:
            error = psql(f"SELECT numerant.{function}('Nonesuch', '1');", expect_error=True)
            self.assertIn('22023: unknown scheme "Nonesuch"', error)
        # A long name is quoted in part, cut between characters.
        error = psql("SELECT numerant.check(repeat('ä', 100000), '1');", expect_error=True)
        self.assertIn("22023: unknown scheme \"" + "ä" * 32 + "...\"", error)
        self.assertLess(len(error), 1000)

    def test_very_long_texts(self):
        rows = psql("SELECT numerant.check('EAN', repeat('4', 20000000)), "
                    "numerant.explain('EAN', repeat('4', 20000000)), "
                    "numerant.check('Luhn', repeat('€', 1000000)), "
                    "numerant.fields('IBAN', repeat('DE', 5000000)) IS NOT NULL;")
        self.assertEqual(rows, ['f|{"kind": "length", "length": 20000000, '
                                '"lengths": [[8, 8], [13, 13]]}|f|t'])
        for payload in ("7" * 10000, "7" * 1000000):
            calculated = psql(
                f"SELECT json_build_array(numerant.calculate('Luhn', {literal(payload)}));")
            self.assertEqual(json.loads(calculated[0]),
                             [CLI.expected("Luhn", [payload])[0]["calculate"]])

    def test_random_texts_are_answered(self):
        # Every function over every scheme on texts of every kind of
        # character; the server answers them all and goes on.
        rows = psql("""
            SELECT count(*), count(DISTINCT numerant.check(s.name, t)),
                   count(numerant.explain(s.name, t)), count(numerant.fields(s.name, t)),
                   count(numerant.calculate(s.name, t)) >= 0, count(numerant.complete(s.name, t)) >= 0
            FROM numerant.schemes() AS s,
                 LATERAL (SELECT left(md5(g::text), g % 40) || chr(32 + g % 300) || chr(19968 + g)
                                 || repeat(chr(48 + g % 10), g % 25) AS t
                          FROM generate_series(1, 300) AS g) AS texts;
            SELECT 'alive';""")
        self.assertEqual(rows, [f"{55 * 300}|2|{55 * 300}|{55 * 300}|t|t", "alive"])

    def test_a_check_constraint_rejects_a_bad_row_and_writes_nothing(self):
        psql("""
            DROP TABLE IF EXISTS payee;
            CREATE TABLE payee (
              id integer PRIMARY KEY,
              iban text NOT NULL CONSTRAINT iban_valid CHECK (numerant.check('IBAN', iban)));""")
        good, bad = "'DE89 3704 0044 0532 0130 00'", "'DE88 3704 0044 0532 0130 00'"
        error = psql(f"""
            BEGIN;
            INSERT INTO payee VALUES (1, {good});
            INSERT INTO payee VALUES (2, {bad});
            COMMIT;""", expect_error=True)
        self.assertIn('23514: new row for relation "payee" violates check constraint '
                      '"iban_valid"', error)
        error = psql(f"INSERT INTO payee VALUES (1, {good}), (2, {bad});", expect_error=True)
        self.assertIn("23514", error)
        self.assertEqual(psql("SELECT count(*) FROM payee;"), ["0"])
        psql(f"INSERT INTO payee VALUES (1, {good});")
        error = psql(f"UPDATE payee SET iban = {bad};", expect_error=True)
        self.assertIn("23514", error)
        self.assertEqual(psql("SELECT iban FROM payee;"), [good.strip("'")])

    def test_generated_columns_and_an_expression_index(self):
        rows = psql("""
            DROP TABLE IF EXISTS person;
            CREATE TABLE person (
              pesel text PRIMARY KEY,
              valid boolean GENERATED ALWAYS AS (numerant.check('PESEL', pesel)) STORED,
              born text GENERATED ALWAYS AS (numerant.fields('PESEL', pesel) ->> 'BirthDate') STORED);
            CREATE INDEX person_check_digit ON person (numerant.calculate('PESEL', left(pesel, 10)));
            INSERT INTO person (pesel)
              SELECT numerant.complete('PESEL', lpad(g::text, 10, '8503151')) FROM generate_series(100, 999) AS g;
            INSERT INTO person (pesel) VALUES ('85031512345');
            ANALYZE person;
            SELECT count(*) FILTER (WHERE valid), count(*) FILTER (WHERE NOT valid),
                   count(*) FILTER (WHERE born = '850315') FROM person;
            SET enable_seqscan = off;
            EXPLAIN (COSTS OFF) SELECT pesel FROM person WHERE numerant.calculate('PESEL', left(pesel, 10)) = '4';
            SELECT count(*) FROM person WHERE numerant.calculate('PESEL', left(pesel, 10)) = '4';""")
        # A wrong check digit does not keep the fields from being read.
        self.assertEqual(rows[0], "900|1|901")
        self.assertTrue(any("person_check_digit" in row for row in rows[1:-1]), rows)
        self.assertEqual(rows[-1], psql("SELECT count(*) FROM person WHERE right(pesel, 1) = '4' "
                                        "OR pesel = '85031512345';")[0])

    def test_the_readme_example_works_as_shown(self):
        def part(name):
            return subprocess.run(["bash", os.path.join(HERE, "readme_example.sh"), README,
                                   "postgresql", name], capture_output=True, text=True,
                                  check=True).stdout
        sql, shown = part("sql"), part("text")
        self.assertTrue(sql and shown, "the README has no PostgreSQL example")
        psql("DROP DATABASE IF EXISTS readme; CREATE DATABASE readme;")
        run = subprocess.run([PSQL, "-X", "-q", "-d", "readme", "-f", "-"], input=sql,
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                             encoding="utf-8", check=False)
        # psql pads its headers with blanks, which the README leaves out.
        printed = re.sub(r"^psql:<stdin>:\d+: ", "", run.stdout, flags=re.MULTILINE)
        printed = re.sub(r" +$", "", printed, flags=re.MULTILINE).rstrip("\n")
        self.assertEqual(printed, shown.rstrip("\n"))

    def test_parallel_workers_answer_as_one_backend(self):
        psql("""
            DROP TABLE IF EXISTS ean_rows;
            CREATE TABLE ean_rows AS
              SELECT CASE WHEN g % 2 = 0 THEN valid
                          ELSE left(valid, 12) || (right(valid, 1)::integer + 1) % 10 END AS c
              FROM generate_series(1, 400000) AS g,
                   LATERAL numerant.complete('EAN', lpad(g::text, 12, '0')) AS valid;
            ANALYZE ean_rows;""")
        query = ("SELECT count(*) FILTER (WHERE numerant.check('EAN', c)), "
                 "count(*) FILTER (WHERE numerant.explain('EAN', c) ->> 'kind' = 'check-digit'), "
                 "count(DISTINCT numerant.fields('EAN', c) ->> 'NumberSystem') FROM ean_rows")
        serial = psql(f"SET max_parallel_workers_per_gather = 0; {query};")
        parallel = f"""
            SET max_parallel_workers_per_gather = 2;
            SET parallel_setup_cost = 0;
            SET parallel_tuple_cost = 0;"""
        plan = psql(parallel + f"EXPLAIN (ANALYZE, COSTS OFF, TIMING OFF, SUMMARY OFF) {query};")
        launched = [int(m.group(1)) for row in plan
                    for m in [re.search(r"Workers Launched: (\d+)", row)] if m]
        self.assertTrue(launched and launched[0] >= 1, plan)
        self.assertEqual(psql(parallel + f"{query};"), serial)
        self.assertTrue(serial[0].startswith("200000|200000|"), serial)


def main():
    global CLI, README
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--readme", required=True)
    arguments, rest = parser.parse_known_args()
    CLI = expectations.Cli(arguments.cli)
    README = arguments.readme
    unittest.main(argv=[sys.argv[0], *rest], verbosity=2)


if __name__ == "__main__":
    main()
