#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command against a PostgreSQL server of its own that has the
# extension numerant, and stops the server afterwards, whatever the command
# did.
#
#   cluster.sh MODULE_DIR EXTENSION_DIR COMMAND [ARGUMENT...]
#
# MODULE_DIR holds numerant.so, EXTENSION_DIR numerant.control and its
# scripts: a build folder, or the folders of an unpacked package. The server
# is Debian's PostgreSQL 15, copied with the extension into a temporary
# folder laid out as Debian lays it out, because PostgreSQL 15 finds
# extensions only in its own folders, which it reckons from where its
# programs stand. The cluster lives in that folder too and listens only on a
# Unix socket there. The command finds it through PGHOST, PGPORT, PGUSER and
# PGDATABASE, and runs psql as $NUMERANT_PSQL.
#
# initdb refuses to run as root; run as root, the server runs as the user
# postgres (runuser).
set -euo pipefail
[ $# -ge 3 ] || { echo "usage: cluster.sh MODULE_DIR EXTENSION_DIR COMMAND [ARGUMENT...]" >&2; exit 2; }
module_dir=$(cd "$1" && pwd) extension_dir=$(cd "$2" && pwd)
shift 2

pg_config=${NUMERANT_PG_CONFIG:-/usr/lib/postgresql/15/bin/pg_config}
bindir=$("$pg_config" --bindir)
sharedir=$("$pg_config" --sharedir)
pkglibdir=$("$pg_config" --pkglibdir)

as_server=()
if [ "$(id -u)" -eq 0 ]; then
  id postgres >/dev/null 2>&1 || { echo "cluster.sh: run as root, it needs the user postgres" >&2; exit 1; }
  as_server=(runuser -u postgres --)
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/numerant-postgresql.XXXXXX")
data="$work/data" socket="$work/socket" root="$work/root"
started=no
finish() {
  local status=$?
  if [ "$started" = yes ]; then
    "${as_server[@]}" "$root$bindir/pg_ctl" -D "$data" -m immediate -w stop >/dev/null 2>&1 || true
  fi
  if [ "$status" -ne 0 ] && [ -f "$work/server.log" ]; then
    echo "--- the server's log" >&2
    tail -n 40 "$work/server.log" >&2
  fi
  rm -rf "$work"
  exit "$status"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The programs are copied, not linked: the server resolves links to find
# itself, and would then look in the system's folders again.
mkdir -p "$root$bindir" "$root$sharedir/extension" "$root$pkglibdir" "$socket"
cp "$bindir/postgres" "$bindir/initdb" "$bindir/pg_ctl" "$root$bindir/"
for entry in "$sharedir"/*; do
  [ "$(basename "$entry")" = extension ] || ln -s "$entry" "$root$sharedir/"
done
for entry in "$sharedir"/extension/* "$pkglibdir"/*; do
  ln -s "$entry" "$root${entry%/*}/"
done
rm -f "$root$pkglibdir/numerant.so" "$root$sharedir/extension"/numerant[.-]*
cp "$module_dir/numerant.so" "$root$pkglibdir/"
cp "$extension_dir"/numerant.control "$extension_dir"/numerant--*.sql "$root$sharedir/extension/"
chmod -R a+rX "$root"
if [ ${#as_server[@]} -gt 0 ]; then
  chmod 755 "$work"
  chown postgres: "$socket"
  mkdir "$data" && chown postgres: "$data"
fi

"${as_server[@]}" "$root$bindir/initdb" -D "$data" -U postgres -E UTF8 --locale=C.UTF-8 \
  --auth=trust --no-sync >"$work/initdb.log" 2>&1 || { cat "$work/initdb.log" >&2; exit 1; }
touch "$work/server.log" && chmod 666 "$work/server.log"
started=yes
"${as_server[@]}" "$root$bindir/pg_ctl" -D "$data" -l "$work/server.log" -w -t 60 \
  -o "-c listen_addresses='' -c unix_socket_directories='$socket' -c port=5432 -c fsync=off" \
  start >/dev/null

export PGHOST="$socket" PGPORT=5432 PGUSER=postgres PGDATABASE=postgres
export NUMERANT_PSQL="$bindir/psql"
"$@"
