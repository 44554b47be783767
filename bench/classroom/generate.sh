#!/usr/bin/env bash
# Fills a class server with a school's worth of attempts for the classroom
# bench: 40 classes x 30 children x 100 attempts (120,000 attempts) with 100
# answers each (12,000,000 answer rows), spread over the last 59 days in the
# order they would have arrived. Every figure is derived from the indices, so
# two runs make the same data. Answers go in with COPY.
#
#   generate.sh CONNINFO     a superuser's connection, e.g. "host=/tmp/x user=postgres dbname=vantel"
#
# Each class gets a computers' role pc_NN and a teacher role teacher_NN
# (NN = 01..40) through scripts/classroom-setup.sh.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
conn=${1:?usage: generate.sh CONNINFO}
PSQL=${PSQL:-/usr/lib/postgresql/15/bin/psql}
sql() { PGOPTIONS="-c client_min_messages=warning" "$PSQL" -X -q -v ON_ERROR_STOP=1 "$conn" "$@"; }

# The same names in every class; the class tells them apart.
names="ARRAY['あおい','いつき','うた','えいた','おと','かいと','きほ','くるみ','けんと','こはる',
             'さくら','しおん','すず','せな','そうた','たくみ','ちひろ','つばさ','てつ','ともや',
             'なぎさ','にこ','ぬい','ねね','のぞみ','はると','ひなた','ふうか','へいじ','ほのか']"
class="format('%s年%s組', (c - 1) / 7 + 1, (c - 1) % 7 + 1)"
# Sheets: drill n % 3 (addition, subtraction, multiplication), headers turned by n;
# a child's time falls slowly over the 100 attempts; about one answer in 37 is wrong.
duration="round((60000 + ((c * 31 + ch * 17) % 60) * 1000) * (1 - 0.003 * n) + ((c * 7 + ch * 13 + n * 29) % 11) * 1000)::integer"
wrong="((c * 13 + ch * 7 + n * 3 + k * 11) % 37) = 0"
attempt_id="md5(c || '/' || ch || '/' || n)::uuid"
# One series, its indices derived from it, so the rows go in the order of the
# series: time (n) first, then class (c) and child (ch), then the cell (k).
indices="LATERAL (SELECT g / 1200 + 1 AS n, g / 30 % 40 + 1 AS c, g % 30 + 1 AS ch) ix"

echo "classes and their roles ..."
for c in $(seq 1 40); do
    grade=$(((c - 1) / 7 + 1))
    room=$(((c - 1) % 7 + 1))
    PSQL="$PSQL" "$here/../../scripts/classroom-setup.sh" -c "$conn" add-class "${grade}年${room}組" \
        "$(printf 'class_%02d' "$c")" "$(printf 'teacher_%02d' "$c")" >/dev/null
    # The computer the bench sends from.
    PSQL="$PSQL" "$here/../../scripts/classroom-setup.sh" -c "$conn" add-computer "${grade}年${room}組" PC-99 \
        "$(printf 'pc_%02d' "$c")" >/dev/null
done

echo "attempts ..."
sql <<SQL
TRUNCATE vantel.attempts CASCADE;
INSERT INTO vantel.attempts (id, class, seat, child, drill, started_at, utc_offset_s, duration_ms, score,
                             full_score, new_best, top_headers, left_headers)
SELECT $attempt_id, $class, format('PC-%s', lpad(ch::text, 2, '0')), ($names)[ch], (n % 3)::smallint,
       now() - interval '59 days' + n * interval '14 hours' + ((c * 37 + ch * 11) % 600) * interval '1 minute',
       32400, $duration,
       (SELECT count(*) FILTER (WHERE NOT ($wrong)) FROM generate_series(0, 99) k)::smallint, 100::smallint,
       false,
       ARRAY(SELECT ((i + n) % 10 + CASE WHEN n % 3 = 1 THEN 10 ELSE 0 END)::smallint FROM generate_series(0, 9) i),
       ARRAY(SELECT ((i * 3 + n) % 10)::smallint FROM generate_series(0, 9) i)
FROM generate_series(0, 119999) g, $indices;
SQL

echo "answers (COPY) ..."
# The primary key is built once after the load, and the reference to the
# attempts is not checked row by row: the data is made consistent.
sql -c "ALTER TABLE vantel.answers DROP CONSTRAINT IF EXISTS answers_pkey"
sql -c "COPY (
    SELECT $attempt_id, k, t.top, t.lft,
           CASE WHEN $wrong THEN t.value + 1 ELSE t.value END,
           NOT ($wrong),
           (k + 1) * $duration / 100 - (k * 37 + n) % 200
    FROM generate_series(0, 11999999) a, LATERAL (SELECT a / 100 AS g, a % 100 AS k) ak, $indices,
         LATERAL (SELECT (k % 10 + n) % 10 + CASE WHEN n % 3 = 1 THEN 10 ELSE 0 END AS top,
                         (k / 10 * 3 + n) % 10 AS lft) h,
         LATERAL (SELECT h.top, h.lft, CASE n % 3 WHEN 0 THEN h.top + h.lft WHEN 1 THEN h.top - h.lft
                                                  ELSE h.top * h.lft END AS value) t
    ) TO STDOUT" |
    sql -c "SET session_replication_role = replica" -c "COPY vantel.answers FROM STDIN"
sql -c "SET maintenance_work_mem = '512MB'" -c "ALTER TABLE vantel.answers ADD PRIMARY KEY (attempt_id, cell)"

# The attempts went in past add_attempt: install counts them into the class's facts (a few minutes).
echo "the class's facts ..."
PSQL="$PSQL" "$here/../../scripts/classroom-setup.sh" -c "$conn" install >/dev/null

echo "vacuum and analyze ..."
sql -c "VACUUM (ANALYZE) vantel.attempts" -c "VACUUM (ANALYZE) vantel.answers" \
    -c "VACUUM (ANALYZE) vantel.answer_times" -c "VACUUM (ANALYZE) vantel.fact_days" \
    -c "VACUUM (ANALYZE) vantel.child_fact_seen" -c "CHECKPOINT"
sql -At -c "SELECT format('%s attempts, %s answers, database %s', (SELECT count(*) FROM vantel.attempts),
                          (SELECT count(*) FROM vantel.answers), pg_size_pretty(pg_database_size(current_database())))"
