#!/usr/bin/env bash
# Sets up a PostgreSQL server for Vantel's classes: the schema, its roles, a
# group and a teacher per class, and one login per classroom computer. Every
# step may be run again; it changes nothing that is already there.
set -euo pipefail

usage() {
    cat <<'EOF'
Usage: classroom-setup.sh [-s SERVICE | -c CONNINFO] [COMMAND ...]

Connects to an existing PostgreSQL server (15 or newer) as an administrator
(a superuser, e.g. "sudo -u postgres", or the database owner with CREATEROLE)
and sets it up for Vantel's classes.

Connection (libpq's own settings; no password is ever given here):
  -s SERVICE    a service of pg_service.conf (host, port, dbname, sslmode)
  -c CONNINFO   a connection string, e.g. "host=db.school.lan dbname=vantel"
  (neither: PGHOST, PGDATABASE, ... or the local server's socket)

Commands:
  install       the schema "vantel" and the roles vantel_owner (owns it all,
                never logs in), vantel_computer and vantel_teacher (groups);
                takes CREATE on schema public and TEMPORARY and CONNECT on the
                database from PUBLIC. Moves a server of an older version over,
                keeping every attempt. The default command.
  add-class CLASS CLASS_ROLE TEACHER_ROLE [--seats N] [--password]
                makes CLASS_ROLE, the group of the class's computers (no
                login), and TEACHER_ROLE, a login that may only read CLASS.
                With --seats N also the computers PC-01 .. PC-N, with the logins
                CLASS_ROLE_01 .. CLASS_ROLE_N. Run it again with another
                TEACHER_ROLE to give a class a second teacher.
  add-computer CLASS SEAT ROLE [--password]
                makes ROLE the login of one computer of CLASS, at SEAT (as the
                teacher will see it, e.g. PC-07). It may only add attempts to
                CLASS, always under SEAT, at most 3 connections at once.
  remove-role ROLE
                takes ROLE out of every class and drops it (an old login
                shared by a class's computers, a computer, a teacher); the
                attempts it added stay.
  hba [ADDRESS]  the pg_hba.conf lines for the program's roles (TLS and
                scram-sha-256 only), from ADDRESS (default: samenet).
  list          the classes, their roles, their computers and how many
                names each class's list holds.

  --password    gives each login made or named a new random password, printed
                once as lines for ~/.pgpass (*:port:database:role:password).
                It is sent to the server only as a SCRAM verifier made here,
                so it is never in the server's log or on a command line.

An existing role is used only when it is safe: never a superuser, a role
that may create roles or databases, bypasses row-level security or
replicates, nor one that belongs to groups other than the one it is given.

Example (see README, "Classroom", for TLS and the computers' settings):
  sudo -u postgres createdb vantel
  sudo -u postgres scripts/classroom-setup.sh -c dbname=vantel install
  sudo -u postgres scripts/classroom-setup.sh -c dbname=vantel \
      add-class "3年2組" class_3_2 teacher_3_2 --seats 30 --password
  sudo -u postgres scripts/classroom-setup.sh -c dbname=vantel hba 10.1.0.0/16

Each classroom computer then has in /etc/xdg/vantel/classroom.conf:
  [classroom]
  service=vantel
  class=3年2組
  seat=PC-07
with the service "vantel" in /etc/postgresql-common/pg_service.conf:
  [vantel]
  host=db.school.lan
  dbname=vantel
  user=class_3_2_07
  sslmode=verify-full
  sslrootcert=/etc/vantel/school-ca.crt
  channel_binding=require
and its password in ~/.pgpass (mode 0600).
EOF
}

here=$(cd "$(dirname "$0")" && pwd)
schema="$here/../classroom/server.sql"
PSQL=${PSQL:-psql}
conn=()

while [ $# -gt 0 ]; do
    case $1 in
    -s) conn=("service=$2"); shift 2 ;;
    -c) conn=("$2"); shift 2 ;;
    -h | --help) usage; exit 0 ;;
    -*) echo "classroom-setup.sh: unknown option $1" >&2; usage >&2; exit 2 ;;
    *) break ;;
    esac
done

# Every session of this script resolves names in pg_catalog only (an
# operator someone put in "public" never runs with the administrator's
# rights) and waits for a lock at most 3 s, so a run during lessons gives up
# rather than hold every computer's sending behind it.
export PGOPTIONS="-c search_path=pg_catalog,pg_temp -c lock_timeout=3s ${PGOPTIONS:-}"

sql() { "$PSQL" -X -q -v ON_ERROR_STOP=1 "${conn[@]}" "$@"; }
die() { echo "classroom-setup.sh: $*" >&2; exit 2; }

role_ok() {
    # Roles are plain names: lower-case letters, digits and "_".
    [[ $1 =~ ^[a-z_][a-z0-9_]{0,62}$ ]] || die "role name '$1': use a-z, 0-9 and _"
    [[ $1 != pg_* && $1 != vantel_owner && $1 != vantel_computer && $1 != vantel_teacher && $1 != postgres ]] ||
        die "role name '$1' is taken by the server or by Vantel"
}

text_ok() {
    [ -n "$2" ] || die "the $1 is empty"
    [ "${#2}" -le 100 ] || die "the $1 is longer than 100 characters"
}

# A new random password (144 bits) in PASSWORD, and its SCRAM-SHA-256
# verifier, made here, in VERIFIER: only the verifier goes to the server.
new_password() {
    command -v python3 >/dev/null || die "--password needs python3 to make the password's verifier"
    PASSWORD=$(head -c 18 /dev/urandom | base64 | tr '+/' '-_')
    VERIFIER=$(printf '%s' "$PASSWORD" | python3 -c '
import base64, hashlib, hmac, os, sys
password = sys.stdin.buffer.read()
salt, iterations = os.urandom(16), 4096
salted = hashlib.pbkdf2_hmac("sha256", password, salt, iterations)
client_key = hmac.new(salted, b"Client Key", hashlib.sha256).digest()
server_key = hmac.new(salted, b"Server Key", hashlib.sha256).digest()
b64 = lambda b: base64.b64encode(b).decode()
print(f"SCRAM-SHA-256${iterations}:{b64(salt)}${b64(hashlib.sha256(client_key).digest())}:{b64(server_key)}")')
    [[ $VERIFIER =~ ^SCRAM-SHA-256\$4096:[A-Za-z0-9+/=]+\$[A-Za-z0-9+/=]+:[A-Za-z0-9+/=]+$ ]] ||
        die "could not make a password verifier"
}

# Lines for ~/.pgpass, printed once at the end of a command.
PGPASS_LINES=()
remember_password() {
    local role=$1
    if [ -z "${SERVER_PORT:-}" ]; then
        SERVER_PORT=$(sql -At -c "SHOW port")
        SERVER_DB=$(sql -At -c "SELECT current_database()")
    fi
    PGPASS_LINES+=("*:$SERVER_PORT:$SERVER_DB:$role:$PASSWORD")
}
print_passwords() {
    [ ${#PGPASS_LINES[@]} -gt 0 ] || return 0
    echo "# for ~/.pgpass (mode 0600) of the computer or teacher each line names; shown only now:"
    printf '%s\n' "${PGPASS_LINES[@]}"
}

# Sets a role's password from VERIFIER; the SQL comes on standard input, so
# neither password nor verifier is on a command line.
set_password() {
    sql -v role="$1" <<EOF
\\set verifier '$VERIFIER'
ALTER ROLE :"role" PASSWORD :'verifier';
EOF
}

# The checks an existing role must pass, and the making of a missing one,
# as SQL run with the role's name in vantel.role and the one group it may
# belong to in vantel.group. vantel.login: whether it logs in.
# shellcheck disable=SC2016
ENSURE_ROLE='
DO $$
DECLARE
    v_role text := current_setting($q$vantel.role$q$);
    v_group text := current_setting($q$vantel.group$q$);
    v_login boolean := current_setting($q$vantel.login$q$) = $q$t$q$;
    r pg_roles%ROWTYPE;
    other text;
BEGIN
    SELECT * INTO r FROM pg_roles WHERE rolname = v_role;
    IF NOT FOUND THEN
        EXECUTE format($q$CREATE ROLE %I %s$q$, v_role, CASE WHEN v_login THEN $q$LOGIN$q$ ELSE $q$NOLOGIN$q$ END);
    ELSE
        IF r.rolsuper OR r.rolcreaterole OR r.rolcreatedb OR r.rolbypassrls OR r.rolreplication THEN
            RAISE EXCEPTION $q$role % exists and may do more than a class role should (superuser, CREATEROLE, CREATEDB, BYPASSRLS or REPLICATION): choose another name$q$, v_role;
        END IF;
        SELECT string_agg(g.rolname, $q$, $q$) INTO other
        FROM pg_auth_members m JOIN pg_roles g ON g.oid = m.roleid
        WHERE m.member = r.oid AND g.rolname <> v_group;
        IF other IS NOT NULL THEN
            RAISE EXCEPTION $q$role % exists and belongs to other groups (%): choose another name$q$, v_role, other;
        END IF;
        IF v_login AND NOT r.rolcanlogin THEN
            RAISE EXCEPTION $q$role % exists and cannot log in: choose another name$q$, v_role;
        END IF;
    END IF;
    EXECUTE format($q$GRANT %I TO %I$q$, v_group, v_role);
END
$$;'

# Hands psql variables (quoted by psql) to the SQL that follows as settings
# of the transaction: dollar-quoted blocks cannot name psql variables.
settings_sql() {
    local name list=()
    for name in "$@"; do list+=("set_config('vantel.$name', :'$name', true)"); done
    local IFS=,
    echo "SELECT ${list[*]} \\g /dev/null"
}

install() {
    local before after
    before=$(sql -At -c "SELECT has_schema_privilege('public', 'public', 'CREATE') FROM pg_namespace WHERE nspname = 'public'")
    sql -f "$schema"
    after=$(sql -At -c "SELECT has_schema_privilege('public', 'public', 'CREATE') FROM pg_namespace WHERE nspname = 'public'")
    echo "The schema vantel is at version $(sql -At -c 'SELECT vantel.schema_version()'), revision $(sql -At -c 'SELECT vantel.schema_revision()'): with the class lists and the class's facts."
    if [ "$before" = t ] && [ "$after" = f ]; then
        echo "CREATE on schema public was taken from PUBLIC: only its owner may create objects in it now."
    else
        echo "Only its owner may create objects in schema public (CREATE is not granted to PUBLIC)."
    fi
    echo "Only Vantel's roles may connect to this database; nobody but its owner may make temporary tables in it."
    echo "Keep them out of the other databases: pg_hba.conf lines from 'classroom-setup.sh hba' name this one only."
}

add_class() {
    [ $# -ge 3 ] || { usage >&2; exit 2; }
    local class=$1 group=$2 teacher=$3 seats=0 password=""
    shift 3
    while [ $# -gt 0 ]; do
        case $1 in
        --seats) [[ ${2:-} =~ ^[0-9]{1,3}$ ]] && [ "$2" -le 200 ] || die "--seats takes a number up to 200"
            seats=$((10#$2)); shift 2 ;;
        --password | --passwords) password=yes; shift ;;
        *) usage >&2; exit 2 ;;
        esac
    done
    text_ok "class name" "$class"
    role_ok "$group"
    role_ok "$teacher"
    [ "$group" != "$teacher" ] || die "the computers and the teacher need two roles"
    # A class's computers' role from before per-computer logins logs in
    # itself; it keeps working as it was until it is removed.
    local legacy
    legacy=$(sql -At -v group="$group" <<'EOF'
SELECT coalesce((SELECT rolcanlogin FROM pg_roles WHERE rolname = :'group'), false);
EOF
)
    {
        echo "BEGIN;"
        settings_sql role group login
        echo "$ENSURE_ROLE"
        settings_sql role group login | sed "s/:'role'/:'teacher'/; s/:'group'/'vantel_teacher'/; s/:'login'/'t'/"
        echo "$ENSURE_ROLE"
        cat <<'EOF'
ALTER ROLE :"teacher" CONNECTION LIMIT 5;
ALTER ROLE :"teacher" SET statement_timeout = '30s';
ALTER ROLE :"teacher" SET idle_in_transaction_session_timeout = '60s';
INSERT INTO vantel.class_roles (role_name, class, may)
VALUES (:'role', :'class', 'add'), (:'teacher', :'class', 'read')
ON CONFLICT DO NOTHING;
COMMIT;
EOF
    } | sql -v class="$class" -v role="$group" -v group=vantel_computer -v login="$legacy" -v teacher="$teacher"
    if [ "$legacy" = t ]; then
        echo "Note: $group is a login shared by all computers of $class; it keeps working. Give each computer its"
        echo "own login (add-computer, or add-class with a new group and --seats), then: remove-role $group"
    fi
    if [ -n "$password" ]; then
        new_password
        set_password "$teacher"
        remember_password "$teacher"
    fi
    local i
    for ((i = 1; i <= seats; i++)); do
        add_computer "$class" "$(printf 'PC-%02d' "$i")" "$(printf '%s_%02d' "$group" "$i")" ${password:+--password}
    done
    print_passwords
}

add_computer() {
    [ $# -ge 3 ] || { usage >&2; exit 2; }
    local class=$1 seat=$2 role=$3 password=""
    shift 3
    while [ $# -gt 0 ]; do
        case $1 in
        --password | --passwords) password=yes; shift ;;
        *) usage >&2; exit 2 ;;
        esac
    done
    text_ok "class name" "$class"
    text_ok "seat" "$seat"
    role_ok "$role"
    local group
    group=$(sql -At -v class="$class" <<'EOF'
SELECT m.role_name FROM vantel.class_roles m JOIN pg_roles r ON r.rolname = m.role_name
WHERE m.class = :'class' AND m.may = 'add' AND NOT r.rolcanlogin
ORDER BY 1 LIMIT 1;
EOF
)
    [ -n "$group" ] || die "class '$class' has no group for its computers: first add-class '$class' CLASS_ROLE TEACHER_ROLE"
    [ "$role" != "$group" ] || die "$role is the class's group; a computer needs a login of its own"
    {
        echo "BEGIN;"
        settings_sql role group login class seat
        cat <<'EOF'
DO $$
BEGIN
    IF EXISTS (SELECT 1 FROM vantel.computers WHERE role_name = current_setting('vantel.role')
               AND (class <> current_setting('vantel.class') OR seat <> current_setting('vantel.seat'))) THEN
        RAISE EXCEPTION 'role % is the login of another seat or class: remove-role it first',
            current_setting('vantel.role');
    END IF;
    IF EXISTS (SELECT 1 FROM vantel.computers WHERE class = current_setting('vantel.class')
               AND seat = current_setting('vantel.seat') AND role_name <> current_setting('vantel.role')) THEN
        RAISE EXCEPTION 'this seat of the class has another login: remove-role that one first';
    END IF;
    IF EXISTS (SELECT 1 FROM pg_auth_members m JOIN pg_roles r ON r.oid = m.roleid
               WHERE r.rolname = current_setting('vantel.role')) THEN
        RAISE EXCEPTION 'role % has members; a computer needs a login of its own', current_setting('vantel.role');
    END IF;
END
$$;
EOF
        echo "$ENSURE_ROLE"
        cat <<'EOF'
-- A second copy of the program and a teacher's read at the same time, no more.
ALTER ROLE :"role" CONNECTION LIMIT 3;
ALTER ROLE :"role" SET statement_timeout = '15s';
ALTER ROLE :"role" SET idle_in_transaction_session_timeout = '60s';
INSERT INTO vantel.computers (role_name, class, seat) VALUES (:'role', :'class', :'seat')
ON CONFLICT (role_name) DO NOTHING;
COMMIT;
EOF
    } | sql -v class="$class" -v seat="$seat" -v role="$role" -v group="$group" -v login=t ||
        die "$role was not made the login of $seat in $class"
    # A statement a computer's login sends is not copied into the log when it
    # fails: a refused call could carry megabytes. Only a superuser may say so.
    if [ "$(sql -At -c "SELECT rolsuper FROM pg_roles WHERE rolname = current_user")" = t ]; then
        echo 'ALTER ROLE :"role" SET log_min_error_statement = panic;' | sql -v role="$role"
    fi
    if [ -n "$password" ]; then
        new_password
        set_password "$role"
        remember_password "$role"
    fi
    echo "$role is the login of $seat in $class."
}

remove_role() {
    [ $# -eq 1 ] || { usage >&2; exit 2; }
    role_ok "$1"
    {
        echo "BEGIN;"
        settings_sql role
        cat <<'EOF'
DO $$
DECLARE
    v_role text := current_setting('vantel.role');
BEGIN
    IF EXISTS (SELECT 1 FROM pg_roles WHERE rolname = v_role
               AND (rolsuper OR rolcreaterole OR rolcreatedb OR rolbypassrls OR rolreplication)) THEN
        RAISE EXCEPTION 'role % is not one of a class', v_role;
    END IF;
    DELETE FROM vantel.class_roles WHERE role_name = v_role;
    DELETE FROM vantel.computers WHERE role_name = v_role;
    IF EXISTS (SELECT 1 FROM pg_roles WHERE rolname = v_role) THEN
        EXECUTE format('DROP ROLE %I', v_role);
    END IF;
END
$$;
COMMIT;
EOF
    } | sql -v role="$1"
    echo "$1 is removed; the attempts it added stay."
}

hba() {
    local address=${1:-samenet} db
    [[ $address =~ ^[0-9a-fA-F.:/]+$|^samenet$|^samehost$ ]] || die "address '$address': an IP address with its mask, samenet or samehost"
    db=$(sql -At -c "SELECT current_database()")
    echo "# pg_hba.conf, above any other line that could match: the program's roles reach only this database,"
    echo "# only over TLS, only with SCRAM (ssl = on in postgresql.conf, with the server's certificate and key)."
    echo "hostssl $db +vantel_computer $address scram-sha-256"
    echo "hostssl $db +vantel_teacher $address scram-sha-256"
    echo "host    all +vantel_computer all reject"
    echo "host    all +vantel_teacher all reject"
}

list() {
    # A server not yet installed again by this release has no class lists.
    local names="NULL::bigint"
    if [ "$(sql -At -c "SELECT to_regclass('vantel.roster') IS NOT NULL")" = t ]; then
        names="(SELECT count(*) FROM vantel.roster r WHERE r.class = m.class)"
    fi
    sql <<EOF
SELECT m.class AS "class",
       string_agg(m.role_name || ' (' || m.may || ')', ', ' ORDER BY m.may, m.role_name) AS roles,
       (SELECT string_agg(c.seat || ': ' || c.role_name, ', ' ORDER BY c.seat)
        FROM vantel.computers c WHERE c.class = m.class) AS computers,
       $names AS names_on_list
FROM vantel.class_roles m GROUP BY m.class ORDER BY m.class;
EOF
}

command=${1:-install}
[ $# -gt 0 ] && shift
case $command in
install) install ;;
add-class) add_class "$@" ;;
add-computer) add_computer "$@"; print_passwords ;;
remove-role) remove_role "$@" ;;
hba) hba "$@" ;;
list) list ;;
*) echo "classroom-setup.sh: unknown command $command" >&2; usage >&2; exit 2 ;;
esac
