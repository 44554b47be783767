#!/usr/bin/env bash
# A throw-away PostgreSQL 15 for the classroom tests and benches.
#
#   pgserver.sh start DIR [WATCH_PID]   make (first time) and start the server
#   pgserver.sh stop DIR                stop it (fast shutdown); nothing stays running
#
# The cluster lives in DIR/data and listens only on a Unix socket in DIR
# (trust authentication, no TCP). The first start creates the database
# "vantel", applies classroom/server.sql and sets up a test class:
#   class "1年1組": its computers' group vantel_test_class, the login of its
#   computer PC-01 vantel_test_computer, its teacher vantel_test_teacher
# and DIR/pg_service.conf names the services
#   vantel_test          that class's computers' role (what classroom.conf names)
#   vantel_test_teacher  its teacher
#   vantel_test_admin    the superuser "postgres"
# Later starts reuse the data as it is. With WATCH_PID the server is stopped
# once that process has ended, should it die without stopping it.
#
# initdb refuses to run as root, so under root (CI) the server runs as "nobody".
# Extra server settings, one per line, may come in PGSERVER_SETTINGS.
#
# With PGSERVER_TLS=1 at the first start the server also listens on
# 127.0.0.1 (a free port, kept in DIR/port), TLS only, SCRAM passwords: a
# throw-away CA signs its certificate (DIR/tls/ca.crt; DIR/tls/other-ca.crt and
# other.crt/.key are a second CA and a certificate it signed), the test roles
# get passwords in DIR/pgpass, and the services
#   vantel_tls, vantel_tls_teacher  the test class's roles over TLS, with the
#   settings the README gives computers (verify-full, channel_binding=require)
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
if [ -f "$dir/port" ]; then PORT=$(cat "$dir/port"); fi

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

# The certificates, TCP on a free port and the TLS-only pg_hba.conf; at the first start.
tls_configure() {
    local tls="$dir/tls"
    mkdir -p "$tls"
    (
        cd "$tls"
        make_ca() {
            openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 \
                -subj "/CN=$2" -keyout "$1.key" -out "$1.crt" 2>/dev/null
        }
        make_cert() {
            openssl req -new -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -subj /CN=localhost \
                -keyout "$1.key" -out "$1.csr" 2>/dev/null
            printf 'subjectAltName=DNS:localhost,IP:127.0.0.1\n' >san.ext
            openssl x509 -req -in "$1.csr" -CA "$2.crt" -CAkey "$2.key" -CAcreateserial -days 2 \
                -extfile san.ext -out "$1.crt" 2>/dev/null
        }
        make_ca ca "vantel test CA"
        make_ca other-ca "another CA"
        make_cert server ca
        make_cert other other-ca
        chmod 600 ./*.key
    )
    PORT=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    echo "$PORT" >"$dir/port"
    {
        echo "listen_addresses = '127.0.0.1'"
        echo "port = $PORT"
        echo "ssl = on"
        echo "ssl_cert_file = '$tls/server.crt'"
        echo "ssl_key_file = '$tls/server.key'"
        echo "password_encryption = 'scram-sha-256'"
    } >>"$data/postgresql.conf"
    printf 'local all all trust\nhostssl all all 127.0.0.1/32 scram-sha-256\n' >"$data/pg_hba.conf"
    if [ "$(id -u)" -eq 0 ]; then chown -R nobody "$tls" "$data/pg_hba.conf"; fi
}

# The user of a service in DIR/pg_service.conf.
service_user() {
    awk -v want="[$1]" '/^\[/ { found = ($0 == want) } found && /^user=/ { sub(/^user=/, ""); print; exit }' \
        "$dir/pg_service.conf"
}

# Passwords for the test roles (once) and their services over TLS: the same
# roles as the services vantel_test and vantel_test_teacher.
tls_services() {
    local computer teacher
    computer=$(service_user vantel_test)
    teacher=$(service_user vantel_test_teacher)
    if [ ! -f "$dir/pgpass" ]; then
        local role password
        : >"$dir/pgpass.new"
        chmod 600 "$dir/pgpass.new"
        for role in "$computer" "$teacher"; do
            password=$(openssl rand -hex 16)
            psql_admin -d vantel -c "ALTER ROLE $role PASSWORD '$password'" >/dev/null
            printf 'localhost:%s:vantel:%s:%s\n' "$PORT" "$role" "$password" >>"$dir/pgpass.new"
        done
        mv "$dir/pgpass.new" "$dir/pgpass"
    fi
    for pair in "vantel_tls:$computer" "vantel_tls_teacher:$teacher"; do
        printf '[%s]\nhost=localhost\nhostaddr=127.0.0.1\nport=%s\ndbname=vantel\nuser=%s\n' \
            "${pair%%:*}" "$PORT" "${pair#*:}"
        printf 'sslmode=verify-full\nsslrootcert=%s\nchannel_binding=require\npassfile=%s\n\n' \
            "$dir/tls/ca.crt" "$dir/pgpass"
    done >>"$dir/pg_service.conf"
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
        if [ "${PGSERVER_TLS:-}" = 1 ]; then tls_configure; fi
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
            add-class "1年1組" vantel_test_class vantel_test_teacher >/dev/null
        PSQL="$PGBIN/psql" "$source_dir/scripts/classroom-setup.sh" \
            -c "host=$dir port=$PORT user=postgres dbname=vantel" \
            add-computer "1年1組" PC-01 vantel_test_computer >/dev/null
        touch "$dir/ready"
    fi
    write_services
    if [ -f "$dir/tls/ca.crt" ]; then tls_services; fi
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
