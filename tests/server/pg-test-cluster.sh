#!/usr/bin/env bash
# A throwaway PostgreSQL cluster for the tests, listening only on a Unix socket in its own folder.
#   pg-test-cluster.sh start DIR [ZORVEK_CLI]
#                                  initdb in DIR/data and start the server (socket in DIR); with the
#                                  program, also the database zorvek_demo: the demo data folder
#                                  pushed by "server push" and the station "test" added
#   pg-test-cluster.sh stop DIR    stop the server and remove DIR
# Started as root, the server runs as the "postgres" user (PostgreSQL refuses to run as root).
# Its superuser is "zorvek_test" with trust authentication on the socket; the role "zorvek_pw"
# (created by the tests) must give a password.
set -euo pipefail
cmd=${1:?start or stop}
dir=${2:?folder}
bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n1 || true)
if [ -z "$bindir" ] || [ ! -x "$bindir/initdb" ]; then
    echo "pg-test-cluster: the PostgreSQL server programs are not installed (package postgresql)" >&2
    exit 1
fi
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
    as_owner=(runuser -u postgres --)
fi

stop() {
    if [ -f "$dir/data/postmaster.pid" ]; then
        "${as_owner[@]}" "$bindir/pg_ctl" -D "$dir/data" -m immediate -w -t 30 stop >/dev/null 2>&1 || true
    fi
    rm -rf "$dir"
}

case $cmd in
start)
    stop
    mkdir -p "$dir"
    chmod 700 "$dir"
    if [ "$(id -u)" -eq 0 ]; then
        chown postgres: "$dir"
    fi
    if ! "${as_owner[@]}" "$bindir/initdb" -D "$dir/data" -U zorvek_test -E UTF8 --locale=C.UTF-8 \
            -A trust -N >"$dir/initdb.log" 2>&1; then
        cat "$dir/initdb.log" >&2
        exit 1
    fi
    cat >>"$dir/data/postgresql.conf" <<CONF
listen_addresses = ''
unix_socket_directories = '$dir'
port = 5432
max_connections = 300
fsync = off
synchronous_commit = off
full_page_writes = off
CONF
    { echo "local all zorvek_pw scram-sha-256"; cat "$dir/data/pg_hba.conf"; } >"$dir/data/pg_hba.new"
    mv "$dir/data/pg_hba.new" "$dir/data/pg_hba.conf"
    if [ "$(id -u)" -eq 0 ]; then
        chown postgres: "$dir/data/pg_hba.conf"
    fi
    if ! "${as_owner[@]}" "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 start >/dev/null; then
        cat "$dir/server.log" >&2
        exit 1
    fi
    # Root reaches the socket anyway; other users of the machine need the folder open.
    chmod 755 "$dir"
    cli=${3:-}
    if [ -n "$cli" ]; then
        server="host=$dir port=5432 user=zorvek_test dbname=zorvek_demo"
        "$bindir/createdb" -h "$dir" -p 5432 -U zorvek_test -E UTF8 zorvek_demo
        "$cli" demo "$dir/demo" >/dev/null
        "$cli" --server "$server" server init >/dev/null
        "$cli" --server "$server" server add-station test >/dev/null
        "$cli" --server "$server" server push "$dir/demo" >/dev/null
    fi
    echo "PostgreSQL test cluster running: host=$dir port=5432 user=zorvek_test"
    ;;
stop)
    stop
    ;;
*)
    echo "pg-test-cluster: unknown command $cmd" >&2
    exit 2
    ;;
esac
