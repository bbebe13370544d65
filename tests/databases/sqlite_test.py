# SPDX-License-Identifier: MIT
"""The SQLite extension, loaded into Python's sqlite3 module: every scheme
against numerant-cli, CHECK constraints, generated columns and indexes,
NULLs, encodings, long texts, errors and threads.

    /usr/bin/python3 sqlite_test.py --extension libnumerant_sqlite.so --cli numerant-cli
"""
import argparse
import json
import sqlite3
import sys
import threading
import unittest

import expectations

CLI = None
EXTENSION = None
FUNCTIONS = ("check", "calculate", "complete", "explain", "fields", "format", "compact")


def connect():
    connection = sqlite3.connect(":memory:", isolation_level=None)
    connection.enable_load_extension(True)
    connection.load_extension(EXTENSION)
    connection.enable_load_extension(False)
    return connection


def answers(connection, scheme, text):
    row = connection.execute(
        "SELECT " + ", ".join(f"numerant_{f}(?1, ?2)" for f in FUNCTIONS), (scheme, text)
    ).fetchone()
    check, calculate, complete, explain, fields, written, compact = row
    return {"check": bool(check), "calculate": calculate, "complete": complete,
            "explain": json.loads(explain), "fields": json.loads(fields), "format": written,
            "compact": compact}


class Extension(unittest.TestCase):
    def setUp(self):
        self.db = connect()

    def tearDown(self):
        self.db.close()

    def test_every_scheme_answers_as_numerant_cli(self):
        wrong = []
        for name, text, expected in expectations.every_case(CLI):
            answer = answers(self.db, name, text)
            if answer != expected:
                wrong.append(f"{name} {text!r}:\n  SQLite {answer}\n  numerant-cli {expected}")
            if any(ord(c) > 0xFF for c in text) and answer["check"]:
                wrong.append(f"{name} {text!r} is valid")
        self.assertEqual(wrong, [], "\n".join(wrong[:20]))

    def test_explain_and_fields_are_json_text_as_numerant_cli_writes_it(self):
        cli = CLI.run("--json", "check", "PESEL", inputs=["85031512344", "8503151234"])
        rows = self.db.execute(
            "SELECT numerant_explain('PESEL', n), numerant_fields('PESEL', n) "
            "FROM (SELECT '85031512344' AS n UNION ALL SELECT '8503151234')").fetchall()
        for (explain, fields), line in zip(rows, cli):
            self.assertEqual(explain, json.dumps(line["reason"], ensure_ascii=False))
            self.assertEqual(fields, json.dumps(line["fields"], ensure_ascii=False))

    def test_schemes_lists_the_catalogue(self):
        rows = self.db.execute("SELECT name, description, lengths FROM numerant_schemes").fetchall()
        self.assertEqual([{"name": name, "lengths": json.loads(lengths)}
                          for name, _, lengths in rows], CLI.schemes())
        self.assertTrue(all(description for _, description, _ in rows))
        self.assertEqual(self.db.execute("SELECT count(*) FROM numerant_schemes()").fetchone(),
                         (len(rows),))

    def test_null_arguments_give_null(self):
        for function in FUNCTIONS:
            for scheme, number in ((None, "4006381333931"), ("EAN", None), (None, None)):
                self.assertEqual(self.db.execute(f"SELECT numerant_{function}(?, ?)",
                                                 (scheme, number)).fetchone(), (None,))

    def test_numbers_stored_as_integers_are_read_as_their_text(self):
        self.assertEqual(self.db.execute("SELECT numerant_check('EAN', 4006381333931), "
                                         "numerant_calculate('Luhn', 7992739871)").fetchone(),
                         (1, "3"))

    def test_an_unknown_scheme_is_an_error_naming_it(self):
        for function in FUNCTIONS:
            with self.assertRaisesRegex(sqlite3.OperationalError, "unknown scheme 'Nonesuch'"):
                self.db.execute(f"SELECT numerant_{function}('Nonesuch', '1')").fetchone()
        with self.assertRaises(sqlite3.OperationalError) as raised:
            self.db.execute("SELECT numerant_check(?, '1')", ("x" * 1000000,)).fetchone()
        self.assertLess(len(str(raised.exception)), 200)

    def test_very_long_texts(self):
        self.assertEqual(answers(self.db, "EAN", "4" * 20000000)["explain"],
                         {"kind": "length", "length": 20000000, "lengths": [[8, 8], [13, 13]]})
        self.assertFalse(answers(self.db, "Luhn", "€" * 1000000)["check"])
        payload = "7" * 10000
        self.assertEqual(answers(self.db, "Luhn", payload)["calculate"],
                         CLI.expected("Luhn", [payload])[0]["calculate"])

    def test_a_check_constraint_rejects_a_bad_row_and_writes_nothing(self):
        self.db.execute("CREATE TABLE payee (id INTEGER PRIMARY KEY, iban TEXT NOT NULL "
                        "CONSTRAINT iban_valid CHECK (numerant_check('IBAN', iban)))")
        good, bad = "DE89 3704 0044 0532 0130 00", "DE88 3704 0044 0532 0130 00"
        self.db.execute("BEGIN")
        self.db.execute("INSERT INTO payee VALUES (1, ?)", (good,))
        with self.assertRaisesRegex(sqlite3.IntegrityError, "CHECK constraint failed: iban_valid"):
            self.db.execute("INSERT INTO payee VALUES (2, ?)", (bad,))
        self.db.execute("ROLLBACK")
        with self.assertRaises(sqlite3.IntegrityError):
            self.db.execute("INSERT INTO payee VALUES (1, ?), (2, ?)", (good, bad))
        self.assertEqual(self.db.execute("SELECT count(*) FROM payee").fetchone(), (0,))

    def test_generated_columns_and_an_expression_index(self):
        # Both need deterministic functions.
        self.db.executescript("""
            CREATE TABLE person (
              pesel TEXT PRIMARY KEY,
              valid INTEGER GENERATED ALWAYS AS (numerant_check('PESEL', pesel)) STORED,
              born TEXT GENERATED ALWAYS AS (numerant_fields('PESEL', pesel) ->> 'BirthDate'));
            CREATE INDEX person_check_digit ON person (numerant_calculate('PESEL', substr(pesel, 1, 10)));
            INSERT INTO person (pesel) VALUES ('85031512344'), ('85031512345');""")
        self.assertEqual(self.db.execute("SELECT pesel, valid, born FROM person ORDER BY pesel")
                         .fetchall(), [("85031512344", 1, "850315"), ("85031512345", 0, "850315")])
        plan = self.db.execute("EXPLAIN QUERY PLAN SELECT pesel FROM person "
                               "WHERE numerant_calculate('PESEL', substr(pesel, 1, 10)) = '4'").fetchall()
        self.assertIn("person_check_digit", str(plan))

    def test_threads_answer_alike(self):
        # Each thread keeps scheme objects of its own.
        cases = expectations.every_case(CLI)[:300]
        failures = []

        def work():
            connection = connect()
            for name, text, expected in cases:
                if answers(connection, name, text) != expected:
                    failures.append((name, text))
            connection.close()

        threads = [threading.Thread(target=work) for _ in range(4)]
        for thread in threads:
            thread.start()
        for thread in threads:
            thread.join()
        self.assertEqual(failures, [])


def main():
    global CLI, EXTENSION
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--extension", required=True)
    arguments, rest = parser.parse_known_args()
    CLI = expectations.Cli(arguments.cli)
    EXTENSION = arguments.extension
    unittest.main(argv=[sys.argv[0], *rest], verbosity=2)


if __name__ == "__main__":
    main()
