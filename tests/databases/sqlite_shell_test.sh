#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The SQLite extension in the sqlite3 shell: the README's example gives the
# output shown under it, a CHECK constraint keeps a bad row out, and an
# unknown scheme stops a statement with an error naming it.
#
#   sqlite_shell_test.sh SQLITE3 EXTENSION README
set -euo pipefail
sqlite3=$1 extension=$2 readme=$3
here=$(cd "$(dirname "$0")" && pwd)
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The README loads the installed extension by name; here the one built.
sql=$("$here/readme_example.sh" "$readme" sqlite sql)
expected=$("$here/readme_example.sh" "$readme" sqlite text)
[ -n "$sql" ] && [ -n "$expected" ] || fail "the README has no SQLite example"
actual=$(sed "s|^\.load libnumerant_sqlite\$|.load ${extension%.so}|" <<<"$sql" |
         "$sqlite3" -batch :memory: 2>&1 || true)
[ "$actual" = "$expected" ] || fail "the README's SQLite example prints:
$actual
and the README shows:
$expected"

# Inside a transaction the bad row stops the statement and writes nothing.
actual=$("$sqlite3" -batch :memory: 2>&1 <<SQL || true
.load ${extension%.so}
CREATE TABLE article (ean TEXT CHECK (numerant_check('ean', ean)));
INSERT INTO article VALUES ('4006381333931'), ('4006381333932');
SELECT count(*) FROM article;
SELECT numerant_check('Nonesuch', '1');
SELECT numerant_calculate('ean', '400638133393'), numerant_check('EAN', NULL) IS NULL;
SQL
)
expected="Runtime error near line 3: CHECK constraint failed: numerant_check('ean', ean) (19)
0
Runtime error near line 5: numerant: unknown scheme 'Nonesuch'
1|1"
[ "$actual" = "$expected" ] || fail "the shell printed:
$actual
not:
$expected"

[ "$failures" -eq 0 ] || exit 1
echo "the SQLite extension answers in the sqlite3 shell"
