#!/usr/bin/env bash
# Sets up a PostgreSQL server for Vantel's classes: the schema, its roles, and
# one computers' role and one teacher role per class. Every step may be run
# again; it changes nothing that is already there.
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
                never logs in), vantel_computer and vantel_teacher (groups).
                The default command.
  add-class CLASS COMPUTER_ROLE TEACHER_ROLE [--passwords]
                makes the two login roles when missing and maps them to CLASS:
                COMPUTER_ROLE may only add attempts to CLASS, TEACHER_ROLE may
                only read CLASS. Run it again with another TEACHER_ROLE to give a
                class a second teacher. With --passwords both roles get a new
                random password, printed once as lines for ~/.pgpass
                (*:port:database:role:password).
  list          the classes and their roles.

Example:
  sudo -u postgres createdb vantel
  sudo -u postgres scripts/classroom-setup.sh -c dbname=vantel install
  sudo -u postgres scripts/classroom-setup.sh -c dbname=vantel \
      add-class "3年2組" pc_3_2 teacher_3_2 --passwords

Each classroom computer then has in ~/.config/vantel/classroom.conf (or, for
every user of the machine, /etc/xdg/vantel/classroom.conf):
  [classroom]
  service=vantel
  class=3年2組
  seat=PC-07
with the service "vantel" (host, port, dbname, user=pc_3_2, sslmode) in
~/.pg_service.conf or /etc/postgresql-common/pg_service.conf, and the password in
~/.pgpass (mode 0600).
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

sql() { "$PSQL" -X -q -v ON_ERROR_STOP=1 "${conn[@]}" "$@"; }

role_ok() {
    # Roles are plain names: lower-case letters, digits and "_".
    [[ $1 =~ ^[a-z_][a-z0-9_]{0,62}$ ]] || { echo "classroom-setup.sh: role name '$1': use a-z, 0-9 and _" >&2; exit 2; }
}

install() { sql -f "$schema"; }

add_class() {
    [ $# -ge 3 ] || { usage >&2; exit 2; }
    local class=$1 computer=$2 teacher=$3 passwords=${4:-}
    [ -n "$class" ] || { echo "classroom-setup.sh: the class name is empty" >&2; exit 2; }
    role_ok "$computer"
    role_ok "$teacher"
    [ "$computer" != "$teacher" ] || { echo "classroom-setup.sh: the computers and the teacher need two roles" >&2; exit 2; }
    [ -z "$passwords" ] || [ "$passwords" = --passwords ] || { usage >&2; exit 2; }
    local pw_computer="" pw_teacher=""
    if [ -n "$passwords" ]; then
        pw_computer=$(head -c 18 /dev/urandom | base64 | tr '+/' '-_')
        pw_teacher=$(head -c 18 /dev/urandom | base64 | tr '+/' '-_')
    fi
    # Values reach the server through psql's quoting (:'x', :"x"), never pasted into the text.
    sql -v class="$class" -v computer="$computer" -v teacher="$teacher" \
        -v pw_computer="$pw_computer" -v pw_teacher="$pw_teacher" <<'EOF'
BEGIN;
SELECT NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = :'computer') AS make_computer,
       NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = :'teacher') AS make_teacher,
       :'pw_computer' <> '' AS set_passwords \gset
\if :make_computer
CREATE ROLE :"computer" LOGIN;
\endif
\if :make_teacher
CREATE ROLE :"teacher" LOGIN;
\endif
\if :set_passwords
ALTER ROLE :"computer" PASSWORD :'pw_computer';
ALTER ROLE :"teacher" PASSWORD :'pw_teacher';
\endif
GRANT vantel_computer TO :"computer";
GRANT vantel_teacher TO :"teacher";
INSERT INTO vantel.class_roles (role_name, class, may)
VALUES (:'computer', :'class', 'add'), (:'teacher', :'class', 'read')
ON CONFLICT DO NOTHING;
COMMIT;
EOF
    if [ -n "$passwords" ]; then
        local port db
        port=$(sql -At -c "SHOW port")
        db=$(sql -At -c "SELECT current_database()")
        echo "# for the classroom computers' ~/.pgpass:"
        echo "*:$port:$db:$computer:$pw_computer"
        echo "# for the teacher's ~/.pgpass:"
        echo "*:$port:$db:$teacher:$pw_teacher"
    fi
}

list() {
    sql -c "SELECT class AS \"class\", string_agg(role_name || ' (' || may || ')', ', ' ORDER BY may, role_name) AS roles
            FROM vantel.class_roles GROUP BY class ORDER BY class"
}

command=${1:-install}
[ $# -gt 0 ] && shift
case $command in
install) install ;;
add-class) add_class "$@" ;;
list) list ;;
*) echo "classroom-setup.sh: unknown command $command" >&2; usage >&2; exit 2 ;;
esac
