-- The class server: every classroom computer's attempts in one PostgreSQL
-- database, readable by the teacher of each class and by nobody else.
--
-- Applied by scripts/classroom-setup.sh as a superuser (or a role with
-- CREATEROLE that owns the database). Applying it again changes nothing
-- that is already there, so it may run during lessons; what it must change
-- waits at most a few seconds for a lock and then gives up.
--
-- Who may do what is enforced here, not in the program:
--   vantel_owner     owns every object; never logs in.
--   vantel_computer  group of the classes' computer groups: may only call
--                    add_attempt (for its own class) and computer_seen;
--                    reads, changes and deletes nothing.
--   vantel_teacher   group of the teachers' login roles: reads through
--                    row-level security, which shows a teacher only the
--                    classes mapped to it.
-- class_roles maps roles to classes; computers gives each computer's own
-- login its class and seat, which the server takes from the login, never
-- from what the computer sends. Whoever holds a computer's password is an
-- attacker as far as this file is concerned.
--
-- Every name below is schema-qualified or resolved with search_path fixed to
-- pg_catalog: a function or operator someone put in "public" is never used.

\set ON_ERROR_STOP on
SET client_min_messages = warning;
SET search_path = pg_catalog, pg_temp;
SET lock_timeout = '3s';
BEGIN;

-- A server set up by a newer program keeps its schema: going back would
-- drop what the newer program relies on.
DO $$
BEGIN
    IF to_regprocedure('vantel.schema_version()') IS NOT NULL THEN
        IF vantel.schema_version() > 2 THEN
            RAISE EXCEPTION 'the vantel schema on this server is version %, newer than this script (2)',
                vantel.schema_version();
        END IF;
    END IF;
END
$$;

DO $$
DECLARE
    r text;
BEGIN
    FOREACH r IN ARRAY ARRAY['vantel_owner', 'vantel_computer', 'vantel_teacher'] LOOP
        IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = r) THEN
            EXECUTE format('CREATE ROLE %I NOLOGIN', r);
        END IF;
    END LOOP;
    IF NOT pg_has_role(current_user, 'vantel_owner', 'MEMBER') THEN
        EXECUTE format('GRANT vantel_owner TO %I', current_user);
    END IF;
END
$$;

-- Nobody but its owner creates objects in "public" (the default before
-- PostgreSQL 15, kept by upgrades and restores): a function or operator put
-- there could stand in for a built-in one in somebody else's query. Nor
-- does anybody but the owner make temporary objects here, and only the
-- program's roles connect.
DO $$
BEGIN
    IF to_regnamespace('public') IS NOT NULL AND has_schema_privilege('public', 'public', 'CREATE') THEN
        -- Without the right to, REVOKE only warns: check that it took.
        REVOKE CREATE ON SCHEMA public FROM PUBLIC;
        IF has_schema_privilege('public', 'public', 'CREATE') THEN
            RAISE EXCEPTION 'everybody may create objects in schema public, and only its owner can change that'
                USING HINT = 'Run this as a superuser, or have the owner run: REVOKE CREATE ON SCHEMA public FROM PUBLIC;';
        END IF;
    END IF;
    IF has_database_privilege('public', current_database(), 'TEMPORARY') THEN
        EXECUTE format('REVOKE TEMPORARY ON DATABASE %I FROM PUBLIC', current_database());
    END IF;
    IF has_database_privilege('public', current_database(), 'CONNECT') THEN
        EXECUTE format('REVOKE CONNECT ON DATABASE %I FROM PUBLIC', current_database());
    END IF;
    IF NOT has_database_privilege('vantel_computer', current_database(), 'CONNECT')
       OR NOT has_database_privilege('vantel_teacher', current_database(), 'CONNECT') THEN
        EXECUTE format('GRANT CONNECT ON DATABASE %I TO vantel_computer, vantel_teacher', current_database());
    END IF;
END
$$;

CREATE SCHEMA IF NOT EXISTS vantel AUTHORIZATION vantel_owner;
SET LOCAL ROLE vantel_owner;
REVOKE ALL ON SCHEMA vantel FROM PUBLIC;
-- Functions are executable by everybody unless said otherwise.
ALTER DEFAULT PRIVILEGES FOR ROLE vantel_owner REVOKE EXECUTE ON FUNCTIONS FROM PUBLIC;

CREATE TABLE IF NOT EXISTS vantel.attempts (
    id uuid PRIMARY KEY,              -- made by the computer when it recorded the attempt
    class text NOT NULL,
    seat text NOT NULL CHECK (length(seat) <= 1000),
    child text NOT NULL CHECK (length(child) <= 1000), -- '' for a child who gave no name
    drill smallint NOT NULL CHECK (drill BETWEEN 0 AND 3), -- addition, subtraction, multiplication, 九九
    started_at timestamptz NOT NULL,
    utc_offset_s integer NOT NULL CHECK (utc_offset_s BETWEEN -64800 AND 64800),
    duration_ms integer NOT NULL CHECK (duration_ms >= 0),
    score smallint NOT NULL,
    full_score smallint NOT NULL,
    new_best boolean NOT NULL,
    top_headers smallint[] NOT NULL CHECK (cardinality(top_headers) <= 10),
    left_headers smallint[] NOT NULL CHECK (cardinality(left_headers) <= 10),
    received_at timestamptz NOT NULL DEFAULT now(),
    added_by name,                    -- the login that sent it; null before version 2
    CHECK (score BETWEEN 0 AND full_score AND full_score <= 100)
);

-- Version 1 had no record of who added an attempt. Adding the column locks
-- the table, so only when it is missing.
DO $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_attribute
                   WHERE attrelid = 'vantel.attempts'::regclass AND attname = 'added_by' AND NOT attisdropped) THEN
        ALTER TABLE vantel.attempts ADD COLUMN added_by name;
    END IF;
END
$$;

CREATE TABLE IF NOT EXISTS vantel.answers (
    attempt_id uuid NOT NULL REFERENCES vantel.attempts (id) ON DELETE CASCADE,
    cell smallint NOT NULL CHECK (cell >= 0),
    top smallint NOT NULL,
    "left" smallint NOT NULL,
    typed text NOT NULL CHECK (length(typed) <= 1000),
    correct boolean NOT NULL,
    last_key_ms integer CHECK (last_key_ms >= 0), -- null: no key was pressed in the cell
    PRIMARY KEY (attempt_id, cell)
);

CREATE TABLE IF NOT EXISTS vantel.class_roles (
    role_name name NOT NULL,
    class text NOT NULL,
    may text NOT NULL CHECK (may IN ('add', 'read')),
    PRIMARY KEY (role_name, may, class)
);

-- Each computer's own login: its class and its seat.
CREATE TABLE IF NOT EXISTS vantel.computers (
    role_name name PRIMARY KEY,
    class text NOT NULL,
    seat text NOT NULL CHECK (length(seat) BETWEEN 1 AND 100),
    last_seen timestamptz,            -- the last time the computer reached the server
    UNIQUE (class, seat)
);

-- Indexes and row-level security lock their table: made only when missing.
DO $$
DECLARE
    t text;
BEGIN
    -- Every read names a class, and mostly a child and a drill: this index
    -- serves them all, and the class view and the answers' row-level check
    -- read it alone (index-only scans).
    IF to_regclass('vantel.attempts_by_child') IS NULL THEN
        CREATE INDEX attempts_by_child ON vantel.attempts (class, child, drill, started_at)
            INCLUDE (duration_ms, score, full_score, id);
    END IF;
    -- add_attempt counts what one login added around a start time.
    IF to_regclass('vantel.attempts_by_login') IS NULL THEN
        CREATE INDEX attempts_by_login ON vantel.attempts (added_by, seat, started_at);
    END IF;
    FOREACH t IN ARRAY ARRAY['attempts', 'answers', 'class_roles', 'computers'] LOOP
        IF NOT (SELECT relrowsecurity FROM pg_class WHERE oid = format('vantel.%I', t)::regclass) THEN
            EXECUTE format('ALTER TABLE vantel.%I ENABLE ROW LEVEL SECURITY', t);
        END IF;
    END LOOP;
END
$$;

-- The reads have SQL-standard bodies: their names are resolved once, here,
-- under the search_path set above, and never again when they run.

CREATE OR REPLACE FUNCTION vantel.schema_version() RETURNS integer
    LANGUAGE sql STABLE
    RETURN 2;

-- The classes the current role may read.
CREATE OR REPLACE FUNCTION vantel.readable_classes() RETURNS TABLE (class text)
    LANGUAGE sql STABLE
BEGIN ATOMIC
    SELECT DISTINCT m.class
    FROM vantel.class_roles m JOIN pg_catalog.pg_roles r ON r.rolname = m.role_name
    WHERE m.may = 'read' AND pg_catalog.pg_has_role(current_user, r.oid, 'MEMBER')
    ORDER BY 1;
END;

-- Policies are made once; a re-run leaves them (and their table's lock) alone.
DO $$
BEGIN
    -- A role sees its own mappings only.
    IF NOT EXISTS (SELECT 1 FROM pg_policies WHERE schemaname = 'vantel' AND tablename = 'class_roles'
                                               AND policyname = 'own_mappings') THEN
        CREATE POLICY own_mappings ON vantel.class_roles FOR SELECT TO vantel_teacher
            USING (EXISTS (SELECT 1 FROM pg_catalog.pg_roles r
                           WHERE r.rolname = role_name
                             AND pg_catalog.pg_has_role(current_user, r.oid, 'MEMBER')));
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_policies WHERE schemaname = 'vantel' AND tablename = 'attempts'
                                               AND policyname = 'own_class') THEN
        CREATE POLICY own_class ON vantel.attempts FOR SELECT TO vantel_teacher
            USING (class IN (SELECT c.class FROM vantel.readable_classes() c));
    END IF;
    -- An answer is readable when its attempt is. Written as one set of the
    -- readable classes' attempt ids (read from the index, hashed once per
    -- query) rather than a lookup per answer row, which costs more than the
    -- read itself.
    IF NOT EXISTS (SELECT 1 FROM pg_policies WHERE schemaname = 'vantel' AND tablename = 'answers'
                                               AND policyname = 'own_class') THEN
        CREATE POLICY own_class ON vantel.answers FOR SELECT TO vantel_teacher
            USING (attempt_id IN (SELECT a.id FROM vantel.attempts a
                                  WHERE a.class IN (SELECT c.class FROM vantel.readable_classes() c)));
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_policies WHERE schemaname = 'vantel' AND tablename = 'computers'
                                               AND policyname = 'own_class') THEN
        CREATE POLICY own_class ON vantel.computers FOR SELECT TO vantel_teacher
            USING (class IN (SELECT c.class FROM vantel.readable_classes() c));
    END IF;
END
$$;

-- Version 1 took the cells as jsonb, parsed before the function could look
-- at their size.
DROP FUNCTION IF EXISTS vantel.add_attempt(uuid, text, text, text, smallint, timestamptz, integer, integer,
                                           smallint, smallint, boolean, smallint[], smallint[], jsonb);

-- Adds one attempt with its answer cells. True: added; false: this id is
-- there already (a resend). Runs as the owner, so the computers need no
-- privilege on the tables; the checks below are the only way in:
--   54000  an argument is too large, or this login added too many attempts
--          that started within a minute of this one (nothing retried mends it)
--   42501  the calling login may not add to this class
--   22023  the attempt is impossible: no cells judged, a start before 2000 or
--          more than a day ahead, a time no child can do a sheet in
-- A computer's own login gives the seat; a login shared by a class (made
-- before version 2) still names it itself.
-- cells: [{"cell":0,"top":7,"left":8,"typed":"15","correct":true,"last_key_ms":1234}, ...]
CREATE OR REPLACE FUNCTION vantel.add_attempt(
    p_id uuid, p_class text, p_seat text, p_child text, p_drill smallint, p_started_at timestamptz,
    p_utc_offset_s integer, p_duration_ms integer, p_score smallint, p_full_score smallint,
    p_new_best boolean, p_top_headers smallint[], p_left_headers smallint[], p_cells text)
    RETURNS boolean
    LANGUAGE plpgsql VOLATILE SECURITY DEFINER
    SET search_path = pg_catalog, pg_temp AS $$
DECLARE
    -- session_user: inside this function current_user is the owner.
    v_login name := session_user;
    v_computer vantel.computers%ROWTYPE;
    v_seat text;
    v_cells jsonb;
BEGIN
    -- Sizes first, before any text reaches a message, the log or a parser.
    IF octet_length(p_class) > 400 OR octet_length(p_seat) > 400 OR octet_length(p_child) > 400
       OR length(p_class) > 100 OR length(p_seat) > 100 OR length(p_child) > 100
       OR octet_length(p_cells) > 20000
       OR cardinality(p_top_headers) > 10 OR cardinality(p_left_headers) > 10 THEN
        RAISE EXCEPTION 'an argument of add_attempt is too large (texts: 100 characters, cells: 20000 bytes)'
            USING ERRCODE = 'program_limit_exceeded';
    END IF;

    IF NOT EXISTS (SELECT 1 FROM vantel.class_roles m JOIN pg_roles r ON r.rolname = m.role_name
                   WHERE m.may = 'add' AND m.class = p_class AND pg_has_role(v_login, r.oid, 'MEMBER')) THEN
        RAISE EXCEPTION 'role % may not add attempts to class %', v_login, quote_literal(p_class)
            USING ERRCODE = 'insufficient_privilege';
    END IF;
    SELECT * INTO v_computer FROM vantel.computers c WHERE c.role_name = v_login;
    IF FOUND THEN
        IF v_computer.class <> p_class THEN
            RAISE EXCEPTION 'role % is a computer of class %, not of class %', v_login,
                quote_literal(v_computer.class), quote_literal(p_class)
                USING ERRCODE = 'insufficient_privilege';
        END IF;
        v_seat := v_computer.seat;
    ELSE
        v_seat := coalesce(p_seat, '');
    END IF;

    IF EXISTS (SELECT 1 FROM vantel.attempts a WHERE a.id = p_id) THEN
        RETURN false;
    END IF;

    IF p_full_score IS NULL OR p_full_score < 1 THEN
        RAISE EXCEPTION 'an attempt judges at least one cell' USING ERRCODE = 'invalid_parameter_value';
    END IF;
    IF p_started_at IS NULL OR p_started_at < '2000-01-01 00:00:00+00' OR p_started_at > now() + interval '1 day' THEN
        RAISE EXCEPTION 'an attempt starts between 2000 and tomorrow' USING ERRCODE = 'invalid_parameter_value';
    END IF;
    -- No child answers a cell in less than a tenth of a second.
    IF p_duration_ms IS NULL OR p_duration_ms < 100 * p_full_score THEN
        RAISE EXCEPTION 'an attempt of % cells takes at least % ms', p_full_score, 100 * p_full_score
            USING ERRCODE = 'invalid_parameter_value';
    END IF;
    -- No child finishes more than a few sheets a minute; a queue sent after
    -- days away still goes through at full speed, its start times apart.
    IF (SELECT count(*) FROM (SELECT 1 FROM vantel.attempts a
                              WHERE a.added_by = v_login AND a.seat = v_seat
                                AND a.started_at > p_started_at - interval '1 minute'
                                AND a.started_at < p_started_at + interval '1 minute'
                              LIMIT 10) recent) >= 10 THEN
        RAISE EXCEPTION 'too many attempts from this computer within a minute of %', p_started_at
            USING ERRCODE = 'program_limit_exceeded';
    END IF;

    v_cells := p_cells::jsonb;
    -- A sheet has at most 10 x 10 cells.
    IF v_cells IS NULL OR jsonb_typeof(v_cells) <> 'array' OR jsonb_array_length(v_cells) > 100 THEN
        RAISE EXCEPTION 'the cells of an attempt are a JSON array of at most 100 cells'
            USING ERRCODE = 'invalid_parameter_value';
    END IF;

    INSERT INTO vantel.attempts (id, class, seat, child, drill, started_at, utc_offset_s, duration_ms,
                                 score, full_score, new_best, top_headers, left_headers, added_by)
    VALUES (p_id, p_class, v_seat, p_child, p_drill, p_started_at, p_utc_offset_s, p_duration_ms,
            p_score, p_full_score, p_new_best, p_top_headers, p_left_headers, v_login)
    ON CONFLICT (id) DO NOTHING;
    IF NOT FOUND THEN
        RETURN false;
    END IF;

    INSERT INTO vantel.answers (attempt_id, cell, top, "left", typed, correct, last_key_ms)
    SELECT p_id, c.cell, c.top, c."left", coalesce(c.typed, ''), c.correct, c.last_key_ms
    FROM jsonb_to_recordset(v_cells) AS c(cell smallint, top smallint, "left" smallint, typed text,
                                          correct boolean, last_key_ms integer);
    RETURN true;
END
$$;

-- A computer says it reached the server (at most one write a minute), so
-- its teacher can tell a computer that no longer logs in. For any other
-- login (a teacher's computer also sends) it does nothing.
CREATE OR REPLACE FUNCTION vantel.computer_seen() RETURNS void
    LANGUAGE sql VOLATILE SECURITY DEFINER
    SET search_path = pg_catalog, pg_temp AS $$
    UPDATE vantel.computers SET last_seen = now()
    WHERE role_name = session_user AND (last_seen IS NULL OR last_seen < now() - interval '1 minute')
$$;

-- The reads below run as the caller (SECURITY INVOKER), so row-level
-- security shows a teacher only the classes mapped to it: another class
-- gives no rows.

-- Per child and drill: how many attempts, the best time of an all-correct
-- attempt, the last attempt's time and moment, attempts in the last 7 days,
-- and the trend: the mean of the last 5 attempts minus the mean of the 5
-- before them (negative: faster; null with fewer than 6 attempts).
CREATE OR REPLACE FUNCTION vantel.class_summary(p_class text)
    RETURNS TABLE (child text, drill smallint, attempts bigint, best_ms integer, last_ms integer,
                   last_at timestamptz, attempts_7d bigint, trend_ms integer)
    LANGUAGE sql STABLE
BEGIN ATOMIC
    WITH ranked AS (
        SELECT a.child, a.drill, a.started_at, a.duration_ms, a.score = a.full_score AS all_correct,
               row_number() OVER (PARTITION BY a.child, a.drill ORDER BY a.started_at DESC) AS recent
        FROM vantel.attempts a
        WHERE a.class = p_class)
    SELECT r.child, r.drill, count(*),
           min(r.duration_ms) FILTER (WHERE r.all_correct),
           min(r.duration_ms) FILTER (WHERE r.recent = 1),
           max(r.started_at),
           count(*) FILTER (WHERE r.started_at >= now() - interval '7 days'),
           CASE WHEN count(*) >= 6 THEN
               round(avg(r.duration_ms) FILTER (WHERE r.recent <= 5)
                     - avg(r.duration_ms) FILTER (WHERE r.recent BETWEEN 6 AND 10))::integer
           END
    FROM ranked r
    GROUP BY r.child, r.drill
    ORDER BY r.child, r.drill;
END;

-- One child's attempts at a drill since a moment (all when null), oldest first.
CREATE OR REPLACE FUNCTION vantel.child_attempts(p_class text, p_child text, p_drill smallint,
                                                 p_since timestamptz)
    RETURNS TABLE (id uuid, started_at timestamptz, utc_offset_s integer, duration_ms integer,
                   score smallint, full_score smallint, new_best boolean)
    LANGUAGE sql STABLE
BEGIN ATOMIC
    SELECT a.id, a.started_at, a.utc_offset_s, a.duration_ms, a.score, a.full_score, a.new_best
    FROM vantel.attempts a
    WHERE a.class = p_class AND a.child = p_child AND a.drill = p_drill
      AND (p_since IS NULL OR a.started_at >= p_since)
    ORDER BY a.started_at, a.id;
END;

-- How a child does on each fact (top, left) of a drill: tries, wrong answers,
-- and the median time of an answer, which is the gap between its last
-- keystroke and the one before it in the order the child filled the sheet.
CREATE OR REPLACE FUNCTION vantel.child_facts(p_class text, p_child text, p_drill smallint,
                                              p_since timestamptz)
    RETURNS TABLE (top smallint, "left" smallint, tries bigint, wrong bigint, median_ms integer)
    LANGUAGE sql STABLE
BEGIN ATOMIC
    WITH cells AS (
        SELECT x.top, x."left", x.correct,
               x.last_key_ms - coalesce(lag(x.last_key_ms) OVER filling, 0) AS gap_ms
        FROM vantel.attempts a JOIN vantel.answers x ON x.attempt_id = a.id
        WHERE a.class = p_class AND a.child = p_child AND a.drill = p_drill
          AND (p_since IS NULL OR a.started_at >= p_since)
        WINDOW filling AS (PARTITION BY x.attempt_id ORDER BY x.last_key_ms NULLS FIRST, x.cell))
    SELECT c.top, c."left", count(*), count(*) FILTER (WHERE NOT c.correct),
           round(percentile_cont(0.5) WITHIN GROUP (ORDER BY c.gap_ms))::integer
    FROM cells c
    GROUP BY c.top, c."left"
    ORDER BY c.top, c."left";
END;

-- A class's computers, each with the last time it reached the server (null:
-- never) and how many attempts it added: a computer whose login was locked
-- out shows as one that stopped being seen.
CREATE OR REPLACE FUNCTION vantel.class_computers(p_class text)
    RETURNS TABLE (seat text, role_name name, last_seen timestamptz, attempts bigint)
    LANGUAGE sql STABLE
BEGIN ATOMIC
    SELECT c.seat, c.role_name, c.last_seen,
           (SELECT count(*) FROM vantel.attempts a WHERE a.added_by = c.role_name AND a.seat = c.seat)
    FROM vantel.computers c
    WHERE c.class = p_class
    ORDER BY c.seat;
END;

REVOKE ALL ON ALL TABLES IN SCHEMA vantel FROM PUBLIC;
REVOKE ALL ON ALL FUNCTIONS IN SCHEMA vantel FROM PUBLIC;
GRANT USAGE ON SCHEMA vantel TO vantel_computer, vantel_teacher;
GRANT EXECUTE ON FUNCTION vantel.schema_version() TO vantel_computer, vantel_teacher;
GRANT EXECUTE ON FUNCTION vantel.add_attempt(uuid, text, text, text, smallint, timestamptz, integer, integer,
                                             smallint, smallint, boolean, smallint[], smallint[], text)
    TO vantel_computer;
GRANT EXECUTE ON FUNCTION vantel.computer_seen() TO vantel_computer, vantel_teacher;
GRANT SELECT ON vantel.attempts, vantel.answers, vantel.class_roles, vantel.computers TO vantel_teacher;
GRANT EXECUTE ON FUNCTION vantel.readable_classes(), vantel.class_summary(text),
                          vantel.child_attempts(text, text, smallint, timestamptz),
                          vantel.child_facts(text, text, smallint, timestamptz),
                          vantel.class_computers(text)
    TO vantel_teacher;

RESET ROLE;
COMMIT;
