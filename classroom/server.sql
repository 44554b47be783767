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
--                    add_attempt (for its own class), computer_seen and
--                    class_names (its own class's list); reads, changes and
--                    deletes nothing else.
--   vantel_teacher   group of the teachers' login roles: reads through
--                    row-level security, which shows a teacher only the
--                    classes mapped to it, and changes those classes' lists
--                    through add_to_roster, rename_child, remove_from_roster.
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
    IF to_regprocedure('vantel.schema_revision()') IS NOT NULL THEN
        IF vantel.schema_revision() > 3 THEN
            RAISE EXCEPTION 'the vantel schema on this server is revision %, newer than this script (3)',
                vantel.schema_revision();
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

-- Each class's list of children (名簿): the names a computer offers as a
-- child types, and the rows of the class table before anybody has sent.
-- Names are kept trimmed, without control characters.
CREATE TABLE IF NOT EXISTS vantel.roster (
    class text NOT NULL CHECK (length(class) BETWEEN 1 AND 100),
    child text NOT NULL CHECK (length(child) BETWEEN 1 AND 100 AND child = btrim(child, E' \t\n\r\u3000\u00a0')
                               AND child !~ '[\x01-\x1f\x7f-\x9f]'),
    added_at timestamptz NOT NULL DEFAULT now(),
    PRIMARY KEY (class, child)
);

-- The class's facts come from tallies add_attempt keeps, never from every
-- answer of the class, which a teacher would wait seconds for:
--   answer_times     each timed answer's gap, by fact, so a median is read
--                    off an index from its middle rather than sorted
--   fact_days        per class, drill, UTC day and fact: tries, wrong answers
--                    and timed answers
--   child_fact_seen  per child and fact: when last tried and last missed, so
--                    "how many children since" is a count of rows
-- attempts.tallied says an attempt is in them; install tallies the others
-- (attempts from before these tables, or put in by hand).
-- No key of its own nor a reference to the attempt, which would cost every
-- answer sent two more lookups; recount_tallies follows deleted attempts.
CREATE TABLE IF NOT EXISTS vantel.answer_times (
    attempt_id uuid NOT NULL,
    cell smallint NOT NULL,
    class text NOT NULL,
    drill smallint NOT NULL,
    started_at timestamptz NOT NULL,
    top smallint NOT NULL,
    "left" smallint NOT NULL,
    gap_ms integer NOT NULL
);

CREATE TABLE IF NOT EXISTS vantel.fact_days (
    class text NOT NULL,
    drill smallint NOT NULL,
    day date NOT NULL,
    top smallint NOT NULL,
    "left" smallint NOT NULL,
    tries integer NOT NULL,
    wrong integer NOT NULL,
    timed integer NOT NULL,
    PRIMARY KEY (class, drill, day, top, "left")
);

CREATE TABLE IF NOT EXISTS vantel.child_fact_seen (
    class text NOT NULL,
    drill smallint NOT NULL,
    child text NOT NULL,
    top smallint NOT NULL,
    "left" smallint NOT NULL,
    last_tried_at timestamptz NOT NULL,
    last_missed_at timestamptz,
    PRIMARY KEY (class, drill, child, top, "left")
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
    -- Whether an attempt is in the tallies of the class's facts.
    IF NOT EXISTS (SELECT 1 FROM pg_attribute
                   WHERE attrelid = 'vantel.attempts'::regclass AND attname = 'tallied' AND NOT attisdropped) THEN
        ALTER TABLE vantel.attempts ADD COLUMN tallied boolean NOT NULL DEFAULT false;
    END IF;
    -- The median of a fact: its timed answers in the order of their gaps.
    IF to_regclass('vantel.answer_times_by_fact') IS NULL THEN
        CREATE INDEX answer_times_by_fact ON vantel.answer_times (class, drill, top, "left", gap_ms)
            INCLUDE (started_at);
    END IF;
    FOREACH t IN ARRAY ARRAY['attempts', 'answers', 'class_roles', 'computers', 'roster', 'answer_times',
                             'fact_days', 'child_fact_seen'] LOOP
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

-- Each answer of an attempt with its gap: the time between its last
-- keystroke and the one before it in the order the child filled the sheet
-- (null: no key pressed), as child_facts reckons it.
CREATE OR REPLACE FUNCTION vantel.answer_gaps(p_id uuid)
    RETURNS TABLE (cell smallint, top smallint, "left" smallint, correct boolean, gap_ms integer)
    LANGUAGE sql STABLE
BEGIN ATOMIC
    SELECT x.cell, x.top, x."left", x.correct,
           x.last_key_ms - coalesce(lag(x.last_key_ms) OVER (ORDER BY x.last_key_ms NULLS FIRST, x.cell), 0)
    FROM vantel.answers x
    WHERE x.attempt_id = p_id;
END;

-- Adds attempts to the tallies of the class's facts, once: the caller has
-- just added them, or holds the lock install takes to tally the rest.
-- Facts go in in one order, so two computers adding at once never wait on
-- each other's rows in turn. PL/pgSQL: a computer's session plans it once.
CREATE OR REPLACE FUNCTION vantel.tally_attempts(p_ids uuid[]) RETURNS void
    LANGUAGE plpgsql VOLATILE
    SET search_path = pg_catalog, pg_temp AS $$
BEGIN
    -- One statement, the answers read once.
    WITH g AS MATERIALIZED (
        SELECT a.id, a.class, a.drill, a.child, a.started_at, x.cell, x.top, x."left", x.correct, x.gap_ms
        FROM unnest(p_ids) i(id) JOIN vantel.attempts a ON a.id = i.id
        CROSS JOIN LATERAL vantel.answer_gaps(a.id) x),
    timed AS (
        INSERT INTO vantel.answer_times (attempt_id, cell, class, drill, started_at, top, "left", gap_ms)
        SELECT g.id, g.cell, g.class, g.drill, g.started_at, g.top, g."left", g.gap_ms
        FROM g
        WHERE g.gap_ms IS NOT NULL),
    days AS (
        INSERT INTO vantel.fact_days AS d (class, drill, day, top, "left", tries, wrong, timed)
        SELECT g.class, g.drill, (g.started_at AT TIME ZONE 'UTC')::date, g.top, g."left", count(*),
               count(*) FILTER (WHERE NOT g.correct), count(g.gap_ms)
        FROM g
        GROUP BY 1, 2, 3, 4, 5
        ORDER BY 1, 2, 3, 4, 5
        ON CONFLICT (class, drill, day, top, "left") DO UPDATE
            SET tries = d.tries + excluded.tries, wrong = d.wrong + excluded.wrong, timed = d.timed + excluded.timed),
    seen AS (
        INSERT INTO vantel.child_fact_seen AS s (class, drill, child, top, "left", last_tried_at, last_missed_at)
        SELECT g.class, g.drill, g.child, g.top, g."left", max(g.started_at),
               max(g.started_at) FILTER (WHERE NOT g.correct)
        FROM g
        GROUP BY 1, 2, 3, 4, 5
        ORDER BY 1, 2, 3, 4, 5
        ON CONFLICT (class, drill, child, top, "left") DO UPDATE
            SET last_tried_at = greatest(s.last_tried_at, excluded.last_tried_at),
                last_missed_at = greatest(s.last_missed_at, excluded.last_missed_at))
    UPDATE vantel.attempts a SET tallied = true FROM unnest(p_ids) i(id) WHERE a.id = i.id AND NOT a.tallied;
END
$$;

-- Tallies of attempts that are gone (an administrator deleted some) are
-- counted again from what stays, for their classes only; emptied with the
-- attempts. Add_attempt waits meanwhile, so nothing is counted twice.
CREATE OR REPLACE FUNCTION vantel.recount_tallies() RETURNS trigger
    LANGUAGE plpgsql VOLATILE SECURITY DEFINER
    SET search_path = pg_catalog, pg_temp AS $$
DECLARE
    v_classes text[];
BEGIN
    IF TG_OP = 'TRUNCATE' THEN
        TRUNCATE vantel.answer_times, vantel.fact_days, vantel.child_fact_seen;
        RETURN NULL;
    END IF;
    SELECT array_agg(DISTINCT g.class) INTO v_classes FROM gone g;
    IF v_classes IS NULL THEN
        RETURN NULL;
    END IF;
    LOCK TABLE vantel.answer_times, vantel.fact_days, vantel.child_fact_seen IN EXCLUSIVE MODE;
    DELETE FROM vantel.fact_days d WHERE d.class = ANY (v_classes);
    DELETE FROM vantel.child_fact_seen s WHERE s.class = ANY (v_classes);
    DELETE FROM vantel.answer_times t WHERE t.class = ANY (v_classes);
    UPDATE vantel.attempts a SET tallied = false WHERE a.class = ANY (v_classes) AND a.tallied;
    PERFORM vantel.tally_attempts(array_agg(a.id)) FROM vantel.attempts a WHERE a.class = ANY (v_classes);
    RETURN NULL;
END
$$;

-- The class list and the tallies: a teacher reads those of its classes
-- only; nobody writes them but the functions below.
DO $$
DECLARE
    t text;
BEGIN
    FOREACH t IN ARRAY ARRAY['roster', 'answer_times', 'fact_days', 'child_fact_seen'] LOOP
        IF NOT EXISTS (SELECT 1 FROM pg_policies WHERE schemaname = 'vantel' AND tablename = t
                                                   AND policyname = 'own_class') THEN
            -- The readable classes once a query, compared as an array: the
            -- class's facts read a row of these per answer.
            EXECUTE format('CREATE POLICY own_class ON vantel.%I FOR SELECT TO vantel_teacher'
                           ' USING (class = ANY ((SELECT array_agg(c.class) FROM vantel.readable_classes() c)::text[]))', t);
        END IF;
    END LOOP;
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
                                 score, full_score, new_best, top_headers, left_headers, added_by, tallied)
    VALUES (p_id, p_class, v_seat, p_child, p_drill, p_started_at, p_utc_offset_s, p_duration_ms,
            p_score, p_full_score, p_new_best, p_top_headers, p_left_headers, v_login, true)
    ON CONFLICT (id) DO NOTHING;
    IF NOT FOUND THEN
        RETURN false;
    END IF;

    INSERT INTO vantel.answers (attempt_id, cell, top, "left", typed, correct, last_key_ms)
    SELECT p_id, c.cell, c.top, c."left", coalesce(c.typed, ''), c.correct, c.last_key_ms
    FROM jsonb_to_recordset(v_cells) AS c(cell smallint, top smallint, "left" smallint, typed text,
                                          correct boolean, last_key_ms integer);
    PERFORM vantel.tally_attempts(ARRAY[p_id]);
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

-- What the new program reads and the previous one does not know of: the
-- class list and the class's facts. schema_version stays 2, so computers of
-- the previous release keep sending to a server this file was applied to.
CREATE OR REPLACE FUNCTION vantel.schema_revision() RETURNS integer
    LANGUAGE sql STABLE
    RETURN 3;

-- A name as the class list keeps it: without the spaces around it.
CREATE OR REPLACE FUNCTION vantel.roster_name(p_name text) RETURNS text
    LANGUAGE sql IMMUTABLE
    RETURN btrim(p_name, E' \t\n\r\u3000\u00a0');

-- Before a change of a class's list: the login that called (session_user:
-- inside a SECURITY DEFINER function current_user is the owner) must read
-- the class (42501); then the change holds the class's list until its
-- transaction ends, so two changes never pass the limit together.
CREATE OR REPLACE FUNCTION vantel.lock_class_list(p_class text) RETURNS void
    LANGUAGE plpgsql VOLATILE
    SET search_path = pg_catalog, pg_temp AS $$
BEGIN
    IF p_class IS NULL OR NOT EXISTS (
            SELECT 1 FROM vantel.class_roles m JOIN pg_catalog.pg_roles r ON r.rolname = m.role_name
            WHERE m.may = 'read' AND m.class = p_class
              AND pg_catalog.pg_has_role(session_user, r.oid, 'MEMBER')) THEN
        RAISE EXCEPTION 'role % may not change the class list of class %', session_user, quote_literal(p_class)
            USING ERRCODE = 'insufficient_privilege';
    END IF;
    PERFORM pg_advisory_xact_lock(hashtextextended('vantel.roster ' || p_class, 0));
END
$$;

-- A name as the class list takes it: trimmed, 1 to 100 characters (22001,
-- 22023), no control characters (22023).
CREATE OR REPLACE FUNCTION vantel.checked_roster_name(p_name text) RETURNS text
    LANGUAGE plpgsql IMMUTABLE
    SET search_path = pg_catalog, pg_temp AS $$
DECLARE
    v_name text := vantel.roster_name(p_name);
BEGIN
    IF length(v_name) > 100 THEN
        RAISE EXCEPTION 'a name on a class list is at most 100 characters'
            USING ERRCODE = 'string_data_right_truncation';
    END IF;
    IF v_name IS NULL OR v_name = '' OR v_name ~ '[\x01-\x1f\x7f-\x9f]' THEN
        RAISE EXCEPTION 'a name on a class list has a letter and no control characters'
            USING ERRCODE = 'invalid_parameter_value';
    END IF;
    RETURN v_name;
END
$$;

-- The changes to a class list, for the teachers of the class only:
--   22001  a name longer than 100 characters
--   22023  a name with control characters, or none at all
--   42501  the calling login may not read the class
--   54000  too many names for one call or one class (200)
-- Adds names (trimmed; blank ones and those on the list already skipped);
-- how many were new.
CREATE OR REPLACE FUNCTION vantel.add_to_roster(p_class text, p_names text[]) RETURNS integer
    LANGUAGE plpgsql VOLATILE SECURITY DEFINER
    SET search_path = pg_catalog, pg_temp AS $$
DECLARE
    v_names text[];
    v_added integer;
BEGIN
    IF octet_length(p_class) > 400 OR length(p_class) > 100 OR cardinality(p_names) > 200 THEN
        RAISE EXCEPTION 'a class list takes at most 200 names at once, of a class name of 100 characters'
            USING ERRCODE = 'program_limit_exceeded';
    END IF;
    IF EXISTS (SELECT 1 FROM unnest(p_names) n WHERE octet_length(n) > 2000) THEN
        RAISE EXCEPTION 'a name on a class list is at most 100 characters'
            USING ERRCODE = 'string_data_right_truncation';
    END IF;
    PERFORM vantel.lock_class_list(p_class);
    SELECT coalesce(array_agg(DISTINCT vantel.checked_roster_name(n)), '{}') INTO v_names
    FROM unnest(p_names) n WHERE vantel.roster_name(n) <> '';
    IF (SELECT count(*) FROM vantel.roster r WHERE r.class = p_class)
       + (SELECT count(*) FROM unnest(v_names) n
          WHERE NOT EXISTS (SELECT 1 FROM vantel.roster r WHERE r.class = p_class AND r.child = n)) > 200 THEN
        RAISE EXCEPTION 'a class list holds at most 200 names' USING ERRCODE = 'program_limit_exceeded';
    END IF;
    INSERT INTO vantel.roster (class, child)
    SELECT p_class, n FROM unnest(v_names) n ORDER BY n
    ON CONFLICT DO NOTHING;
    GET DIAGNOSTICS v_added = ROW_COUNT;
    RETURN v_added;
END
$$;

-- Takes a name off a class list; its attempts stay. Whether it was there.
CREATE OR REPLACE FUNCTION vantel.remove_from_roster(p_class text, p_child text) RETURNS boolean
    LANGUAGE plpgsql VOLATILE SECURITY DEFINER
    SET search_path = pg_catalog, pg_temp AS $$
BEGIN
    IF octet_length(p_class) > 400 OR length(p_class) > 100 OR octet_length(p_child) > 400
       OR length(p_child) > 100 THEN
        RAISE EXCEPTION 'a name on a class list is at most 100 characters'
            USING ERRCODE = 'string_data_right_truncation';
    END IF;
    PERFORM vantel.lock_class_list(p_class);
    DELETE FROM vantel.roster r WHERE r.class = p_class AND r.child = p_child;
    RETURN FOUND;
END
$$;

-- Renames a child of a class: the name on its list, when there, and every
-- attempt under the old name, at once. Onto a name that has attempts or is
-- on the list already, the two become one child; so a name that never was
-- on the list joins one that is. Nothing is deleted but the old list entry.
-- How many attempts were renamed.
CREATE OR REPLACE FUNCTION vantel.rename_child(p_class text, p_from text, p_to text) RETURNS bigint
    LANGUAGE plpgsql VOLATILE SECURITY DEFINER
    SET search_path = pg_catalog, pg_temp AS $$
DECLARE
    v_to text;
    v_renamed bigint;
BEGIN
    -- An attempt of the first version may carry up to 1000 characters of a name.
    IF octet_length(p_class) > 400 OR length(p_class) > 100 OR octet_length(p_from) > 4000
       OR length(p_from) > 1000 OR octet_length(p_to) > 2000 THEN
        RAISE EXCEPTION 'a name on a class list is at most 100 characters'
            USING ERRCODE = 'string_data_right_truncation';
    END IF;
    PERFORM vantel.lock_class_list(p_class);
    v_to := vantel.checked_roster_name(p_to);
    IF p_from IS NULL OR p_from = v_to THEN
        RETURN 0;
    END IF;
    IF EXISTS (SELECT 1 FROM vantel.roster r WHERE r.class = p_class AND r.child = p_from) THEN
        IF EXISTS (SELECT 1 FROM vantel.roster r WHERE r.class = p_class AND r.child = v_to) THEN
            DELETE FROM vantel.roster r WHERE r.class = p_class AND r.child = p_from;
        ELSE
            UPDATE vantel.roster r SET child = v_to WHERE r.class = p_class AND r.child = p_from;
        END IF;
    END IF;
    UPDATE vantel.attempts a SET child = v_to WHERE a.class = p_class AND a.child = p_from;
    GET DIAGNOSTICS v_renamed = ROW_COUNT;
    -- The old name's facts join the new one's: the later moments count.
    INSERT INTO vantel.child_fact_seen AS s (class, drill, child, top, "left", last_tried_at, last_missed_at)
    SELECT o.class, o.drill, v_to, o.top, o."left", o.last_tried_at, o.last_missed_at
    FROM vantel.child_fact_seen o WHERE o.class = p_class AND o.child = p_from
    ORDER BY o.drill, o.top, o."left"
    ON CONFLICT (class, drill, child, top, "left") DO UPDATE
        SET last_tried_at = greatest(s.last_tried_at, excluded.last_tried_at),
            last_missed_at = greatest(s.last_missed_at, excluded.last_missed_at);
    DELETE FROM vantel.child_fact_seen o WHERE o.class = p_class AND o.child = p_from;
    RETURN v_renamed;
END
$$;

-- The names on the class list of the calling computer's class (the class of
-- its login; for a login a class's computers share, the class it adds to),
-- which it offers as a child types a name. Nothing else of the list.
CREATE OR REPLACE FUNCTION vantel.class_names() RETURNS TABLE (child text)
    LANGUAGE sql STABLE SECURITY DEFINER
    SET search_path = pg_catalog, pg_temp
BEGIN ATOMIC
    SELECT r.child FROM vantel.roster r
    WHERE r.class IN (SELECT c.class FROM vantel.computers c WHERE c.role_name = session_user
                      UNION
                      SELECT m.class FROM vantel.class_roles m
                      WHERE m.role_name = session_user AND m.may = 'add'
                        AND NOT EXISTS (SELECT 1 FROM vantel.computers c WHERE c.role_name = session_user))
    ORDER BY r.child
    LIMIT 200;
END;

-- How the class does on each fact of a drill since a moment (all when
-- null): how many children tried it and how many missed it at least once,
-- tries, wrong answers, and the median time of an answer (as child_facts).
-- Read from the tallies: the days after the one `since` falls on, and that
-- one day's attempts themselves; the median from the middle of the fact's
-- timed answers in the order of their gaps. PL/pgSQL, so a teacher's
-- session plans it once rather than at every read.
CREATE OR REPLACE FUNCTION vantel.class_facts(p_class text, p_drill smallint, p_since timestamptz)
    RETURNS TABLE (top smallint, "left" smallint, children bigint, children_missing bigint, tries bigint,
                   wrong bigint, median_ms integer)
    LANGUAGE plpgsql STABLE
    SET search_path = pg_catalog, pg_temp AS $$
#variable_conflict use_column
BEGIN
    RETURN QUERY
    WITH parts AS (
        SELECT d.top, d."left", d.tries, d.wrong, d.timed
        FROM vantel.fact_days d
        WHERE d.class = p_class AND d.drill = p_drill
          AND (p_since IS NULL OR d.day > (p_since AT TIME ZONE 'UTC')::date)
        UNION ALL
        SELECT x.top, x."left", 1, CASE WHEN x.correct THEN 0 ELSE 1 END,
               CASE WHEN x.last_key_ms IS NULL THEN 0 ELSE 1 END
        FROM vantel.attempts a JOIN vantel.answers x ON x.attempt_id = a.id
        WHERE p_since IS NOT NULL AND a.class = p_class AND a.drill = p_drill AND a.started_at >= p_since
          AND a.started_at < ((p_since AT TIME ZONE 'UTC')::date + 1)::timestamp AT TIME ZONE 'UTC'),
    counts AS (
        SELECT p.top, p."left", sum(p.tries) AS tries, sum(p.wrong) AS wrong, sum(p.timed) AS timed
        FROM parts p
        GROUP BY p.top, p."left"),
    seen AS (
        SELECT s.top, s."left", count(*) FILTER (WHERE s.last_tried_at >= coalesce(p_since, '-infinity')) AS children,
               count(*) FILTER (WHERE s.last_missed_at >= coalesce(p_since, '-infinity')) AS missing
        FROM vantel.child_fact_seen s
        WHERE s.class = p_class AND s.drill = p_drill
        GROUP BY s.top, s."left")
    SELECT c.top, c."left", coalesce(s.children, 0), coalesce(s.missing, 0), c.tries::bigint, c.wrong::bigint,
           m.median_ms
    FROM counts c
    LEFT JOIN seen s ON s.top = c.top AND s."left" = c."left"
    LEFT JOIN LATERAL (
        SELECT round(avg(g.gap_ms)::double precision)::integer AS median_ms
        FROM (SELECT t.gap_ms FROM vantel.answer_times t
              WHERE t.class = p_class AND t.drill = p_drill AND t.top = c.top AND t."left" = c."left"
                AND (p_since IS NULL OR t.started_at >= p_since)
              ORDER BY t.gap_ms
              OFFSET (c.timed - 1) / 2 LIMIT 2 - c.timed % 2) g) m ON c.timed > 0
    WHERE c.tries > 0
    ORDER BY c.top, c."left";
END
$$;

-- The tallies follow the attempts when an administrator deletes some; made
-- once, as a trigger locks its table.
DO $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_trigger WHERE tgrelid = 'vantel.attempts'::regclass
                                              AND tgname = 'recount_after_delete') THEN
        CREATE TRIGGER recount_after_delete AFTER DELETE ON vantel.attempts
            REFERENCING OLD TABLE AS gone FOR EACH STATEMENT EXECUTE FUNCTION vantel.recount_tallies();
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_trigger WHERE tgrelid = 'vantel.attempts'::regclass
                                              AND tgname = 'recount_after_truncate') THEN
        CREATE TRIGGER recount_after_truncate AFTER TRUNCATE ON vantel.attempts
            FOR EACH STATEMENT EXECUTE FUNCTION vantel.recount_tallies();
    END IF;
END
$$;

-- Attempts not yet in the tallies (all of them, the first time) go in now;
-- nothing is locked when there are none.
DO $$
DECLARE
    v_ids uuid[];
BEGIN
    IF EXISTS (SELECT 1 FROM vantel.attempts a WHERE NOT a.tallied) THEN
        LOCK TABLE vantel.answer_times, vantel.fact_days, vantel.child_fact_seen IN EXCLUSIVE MODE;
        SELECT array_agg(a.id) INTO v_ids FROM vantel.attempts a WHERE NOT a.tallied;
        PERFORM vantel.tally_attempts(v_ids);
        RAISE NOTICE 'the class''s facts now count % attempts added before', cardinality(v_ids);
    END IF;
END
$$;

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
GRANT EXECUTE ON FUNCTION vantel.schema_revision(), vantel.class_names() TO vantel_computer, vantel_teacher;
GRANT SELECT ON vantel.roster, vantel.answer_times, vantel.fact_days, vantel.child_fact_seen TO vantel_teacher;
GRANT EXECUTE ON FUNCTION vantel.add_to_roster(text, text[]), vantel.remove_from_roster(text, text),
                          vantel.rename_child(text, text, text),
                          vantel.class_facts(text, smallint, timestamptz)
    TO vantel_teacher;

RESET ROLE;
COMMIT;
