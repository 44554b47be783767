#!/usr/bin/env bash
# A throw-away PostgreSQL 15 for the classroom tests and benches.
#
#   pgserver.sh start DIR [WATCH_PID]   make (first time) and start the server
#   pgserver.sh stop DIR                stop it (fast shutdown); nothing stays running
#
# The cluster lives in DIR/data and listens only on a Unix socket in DIR
# (trust authentication, no TCP). The first start creates the database
# "vantel", applies classroom/server.sql and maps a test class:
#   class "1年1組": computers' role vantel_test_computer, teacher role vantel_test_teacher
# and DIR/pg_service.conf names the services
#   vantel_test          that class's computers' role (what classroom.conf names)
#   vantel_test_teacher  its teacher
#   vantel_test_admin    the superuser "postgres"
# Later starts reuse the data as it is. With WATCH_PID the server is stopped
# once that process has ended, should it die without stopping it.
#
# initdb refuses to run as root, so under root (CI) the server runs as "nobody".
# Extra server settings, one per line, may come in PGSERVER_SETTINGS.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
PGBIN=/usr/lib/postgresql/15/bin
PORT=5432 # each server has its own socket folder, so the port never clashes

command=${1:-}
dir=${2:-}
watch_pid=${3:-}
if [ -z "$command" ] || [ -z "$dir" ]; then
    echo "usage: pgserver.sh start|stop DIR [WATCH_PID]" >&2
    exit 2
fi
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
data="$dir/data"

as_server() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u nobody -- "$@"
    else
        "$@"
    fi
}

psql_admin() { "$PGBIN/psql" -X -q -v ON_ERROR_STOP=1 -h "$dir" -p "$PORT" -U postgres "$@"; }

running() { [ -f "$data/postmaster.pid" ] && as_server "$PGBIN/pg_ctl" -D "$data" status >/dev/null 2>&1; }

write_services() {
    local tmp="$dir/pg_service.conf.new"
    {
        for pair in vantel_test:vantel_test_computer vantel_test_teacher:vantel_test_teacher \
            vantel_test_admin:postgres; do
            printf '[%s]\nhost=%s\nport=%s\ndbname=vantel\nuser=%s\n\n' "${pair%%:*}" "$dir" "$PORT" "${pair#*:}"
        done
    } >"$tmp"
    mv "$tmp" "$dir/pg_service.conf"
}

start() {
    if [ ${#dir} -gt 90 ]; then
        echo "pgserver.sh: $dir is too long for a Unix socket path" >&2
        exit 1
    fi
    if [ "$(id -u)" -eq 0 ]; then
        chown nobody "$dir"
        chmod 700 "$dir"
        if ! runuser -u nobody -- test -w "$dir"; then
            echo "pgserver.sh: $dir cannot be reached by the user nobody (a folder above it is closed)" >&2
            exit 1
        fi
    fi
    if [ ! -f "$data/PG_VERSION" ]; then
        as_server "$PGBIN/initdb" -D "$data" -U postgres --auth=trust --no-locale -E UTF8 --no-sync \
            --no-instructions >"$dir/initdb.log" 2>&1 || {
            cat "$dir/initdb.log" >&2
            exit 1
        }
        {
            echo "listen_addresses = ''"
            echo "unix_socket_directories = '$dir'"
            echo "port = $PORT"
            echo "fsync = on"
            echo "max_connections = 40"
            echo "shared_buffers = 32MB"
            echo "log_min_messages = warning"
            echo "${PGSERVER_SETTINGS:-}"
        } >>"$data/postgresql.conf"
    fi
    if ! running; then
        rm -f "$data/postmaster.pid" # left by a server killed with its machine; pg_ctl checks it is stale
        as_server "$PGBIN/pg_ctl" -D "$data" -l "$dir/server.log" -w -t 60 start >/dev/null || {
            tail -n 30 "$dir/server.log" >&2
            exit 1
        }
    fi
    if [ ! -f "$dir/ready" ]; then
        psql_admin -d postgres -c "CREATE DATABASE vantel" 2>/dev/null ||
            psql_admin -d postgres -Atc "SELECT 1 FROM pg_database WHERE datname = 'vantel'" | grep -q 1
        PSQL="$PGBIN/psql" "$source_dir/scripts/classroom-setup.sh" \
            -c "host=$dir port=$PORT user=postgres dbname=vantel" install >/dev/null
        PSQL="$PGBIN/psql" "$source_dir/scripts/classroom-setup.sh" \
            -c "host=$dir port=$PORT user=postgres dbname=vantel" \
            add-class "1年1組" vantel_test_computer vantel_test_teacher >/dev/null
        touch "$dir/ready"
    fi
    write_services
    if [ -n "$watch_pid" ]; then
        # Detached and with no inherited output, so nobody waits on it.
        setsid bash -c '
            while kill -0 "$1" 2>/dev/null; do sleep 1; done
            if [ -f "$2/postmaster.pid" ]; then
                if [ "$(id -u)" -eq 0 ]; then runuser -u nobody -- "$3/pg_ctl" -D "$2" stop -m immediate
                else "$3/pg_ctl" -D "$2" stop -m immediate; fi
            fi' watch "$watch_pid" "$data" "$PGBIN" </dev/null >/dev/null 2>&1 &
    fi
}

stop() {
    if [ -f "$data/postmaster.pid" ]; then
        as_server "$PGBIN/pg_ctl" -D "$data" stop -m fast -w -t 60 >/dev/null
    fi
}

case $command in
start) start ;;
stop) stop ;;
*)
    echo "usage: pgserver.sh start|stop DIR [WATCH_PID]" >&2
    exit 2
    ;;
esac
