-- The class server as version 1 of the program set it up: servers in
-- schools still have it, and the set-up script moves them over.
-- The class server: every classroom computer's attempts in one PostgreSQL
-- database, readable by the teacher of each class and by nobody else.
--
-- Applied by scripts/classroom-setup.sh as a superuser (or a role with
-- CREATEROLE that owns the database). Applying it again changes nothing.
--
-- Who may do what is enforced here, not in the program:
--   vantel_owner     owns every object; never logs in.
--   vantel_computer  group of the computers' login roles: may only call
--                    add_attempt (for the classes mapped to it) and
--                    schema_version; reads, changes and deletes nothing.
--   vantel_teacher   group of the teachers' login roles: reads through
--                    row-level security, which shows a teacher only the
--                    classes mapped to it.
-- class_roles maps login (or group) roles to classes.

\set ON_ERROR_STOP on
SET client_min_messages = warning;
BEGIN;

-- A server set up by a newer program keeps its schema: going back would
-- drop what the newer program relies on.
DO $$
BEGIN
    IF to_regprocedure('vantel.schema_version()') IS NOT NULL THEN
        IF vantel.schema_version() > 1 THEN
            RAISE EXCEPTION 'the vantel schema on this server is version %, newer than this script (1)',
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
    CHECK (score BETWEEN 0 AND full_score AND full_score <= 100)
);

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

-- Every read names a class, and mostly a child and a drill: this index
-- serves them all, and the class view and the answers' row-level check
-- read it alone (index-only scans).
CREATE INDEX IF NOT EXISTS attempts_by_child ON vantel.attempts (class, child, drill, started_at)
    INCLUDE (duration_ms, score, full_score, id);

CREATE TABLE IF NOT EXISTS vantel.class_roles (
    role_name name NOT NULL,
    class text NOT NULL,
    may text NOT NULL CHECK (may IN ('add', 'read')),
    PRIMARY KEY (role_name, may, class)
);

ALTER TABLE vantel.attempts ENABLE ROW LEVEL SECURITY;
ALTER TABLE vantel.answers ENABLE ROW LEVEL SECURITY;
ALTER TABLE vantel.class_roles ENABLE ROW LEVEL SECURITY;

-- A role sees its own mappings only.
DROP POLICY IF EXISTS own_mappings ON vantel.class_roles;
CREATE POLICY own_mappings ON vantel.class_roles FOR SELECT TO vantel_teacher
    USING (EXISTS (SELECT 1 FROM pg_catalog.pg_roles r
                   WHERE r.rolname = role_name AND pg_catalog.pg_has_role(current_user, r.oid, 'MEMBER')));

CREATE OR REPLACE FUNCTION vantel.schema_version() RETURNS integer
    LANGUAGE sql STABLE AS 'SELECT 1';

-- The classes the current role may read.
CREATE OR REPLACE FUNCTION vantel.readable_classes() RETURNS TABLE (class text)
    LANGUAGE sql STABLE AS $$
    SELECT DISTINCT m.class
    FROM vantel.class_roles m JOIN pg_catalog.pg_roles r ON r.rolname = m.role_name
    WHERE m.may = 'read' AND pg_catalog.pg_has_role(current_user, r.oid, 'MEMBER')
    ORDER BY 1
$$;

DROP POLICY IF EXISTS own_class ON vantel.attempts;
CREATE POLICY own_class ON vantel.attempts FOR SELECT TO vantel_teacher
    USING (class IN (SELECT c.class FROM vantel.readable_classes() c));
-- An answer is readable when its attempt is. Written as one set of the
-- readable classes' attempt ids (read from the index, hashed once per query)
-- rather than a lookup per answer row, which costs more than the read itself.
DROP POLICY IF EXISTS own_class ON vantel.answers;
CREATE POLICY own_class ON vantel.answers FOR SELECT TO vantel_teacher
    USING (attempt_id IN (SELECT a.id FROM vantel.attempts a
                          WHERE a.class IN (SELECT c.class FROM vantel.readable_classes() c)));

-- Adds one attempt with its answer cells. True: added; false: this id is
-- there already (a resend). Raises 42501 when the caller's login role is
-- not mapped to the class. Runs as the owner, so the computers need no
-- privilege on the tables; the class check is the only way in.
-- cells: [{"cell":0,"top":7,"left":8,"typed":"15","correct":true,"last_key_ms":1234}, ...]
CREATE OR REPLACE FUNCTION vantel.add_attempt(
    p_id uuid, p_class text, p_seat text, p_child text, p_drill smallint, p_started_at timestamptz,
    p_utc_offset_s integer, p_duration_ms integer, p_score smallint, p_full_score smallint,
    p_new_best boolean, p_top_headers smallint[], p_left_headers smallint[], p_cells jsonb)
    RETURNS boolean
    LANGUAGE plpgsql VOLATILE SECURITY DEFINER
    SET search_path = pg_catalog, pg_temp AS $$
BEGIN
    -- session_user: inside this function current_user is the owner.
    IF NOT EXISTS (SELECT 1 FROM vantel.class_roles m JOIN pg_catalog.pg_roles r ON r.rolname = m.role_name
                   WHERE m.may = 'add' AND m.class = p_class
                     AND pg_has_role(session_user, r.oid, 'MEMBER')) THEN
        RAISE EXCEPTION 'role % may not add attempts to class %', session_user, quote_literal(p_class)
            USING ERRCODE = 'insufficient_privilege';
    END IF;
    -- A sheet has at most 10 x 10 cells; a computer may not fill the server.
    IF p_cells IS NULL OR jsonb_typeof(p_cells) <> 'array' OR jsonb_array_length(p_cells) > 100 THEN
        RAISE EXCEPTION 'the cells of an attempt are a JSON array of at most 100 cells'
            USING ERRCODE = 'invalid_parameter_value';
    END IF;

    INSERT INTO vantel.attempts (id, class, seat, child, drill, started_at, utc_offset_s, duration_ms,
                                 score, full_score, new_best, top_headers, left_headers)
    VALUES (p_id, p_class, p_seat, p_child, p_drill, p_started_at, p_utc_offset_s, p_duration_ms,
            p_score, p_full_score, p_new_best, p_top_headers, p_left_headers)
    ON CONFLICT (id) DO NOTHING;
    IF NOT FOUND THEN
        RETURN false;
    END IF;

    INSERT INTO vantel.answers (attempt_id, cell, top, "left", typed, correct, last_key_ms)
    SELECT p_id, c.cell, c.top, c."left", coalesce(c.typed, ''), c.correct, c.last_key_ms
    FROM jsonb_to_recordset(p_cells) AS c(cell smallint, top smallint, "left" smallint, typed text,
                                           correct boolean, last_key_ms integer);
    RETURN true;
END
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
    LANGUAGE sql STABLE AS $$
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
    ORDER BY r.child, r.drill
$$;

-- One child's attempts at a drill since a moment (all when null), oldest first.
CREATE OR REPLACE FUNCTION vantel.child_attempts(p_class text, p_child text, p_drill smallint,
                                                 p_since timestamptz)
    RETURNS TABLE (id uuid, started_at timestamptz, utc_offset_s integer, duration_ms integer,
                   score smallint, full_score smallint, new_best boolean)
    LANGUAGE sql STABLE AS $$
    SELECT a.id, a.started_at, a.utc_offset_s, a.duration_ms, a.score, a.full_score, a.new_best
    FROM vantel.attempts a
    WHERE a.class = p_class AND a.child = p_child AND a.drill = p_drill
      AND (p_since IS NULL OR a.started_at >= p_since)
    ORDER BY a.started_at, a.id
$$;

-- How a child does on each fact (top, left) of a drill: tries, wrong answers,
-- and the median time of an answer, which is the gap between its last
-- keystroke and the one before it in the order the child filled the sheet.
CREATE OR REPLACE FUNCTION vantel.child_facts(p_class text, p_child text, p_drill smallint,
                                              p_since timestamptz)
    RETURNS TABLE (top smallint, "left" smallint, tries bigint, wrong bigint, median_ms integer)
    LANGUAGE sql STABLE AS $$
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
    ORDER BY c.top, c."left"
$$;

REVOKE ALL ON ALL TABLES IN SCHEMA vantel FROM PUBLIC;
REVOKE ALL ON ALL FUNCTIONS IN SCHEMA vantel FROM PUBLIC;
GRANT USAGE ON SCHEMA vantel TO vantel_computer, vantel_teacher;
GRANT EXECUTE ON FUNCTION vantel.schema_version() TO vantel_computer, vantel_teacher;
GRANT EXECUTE ON FUNCTION vantel.add_attempt(uuid, text, text, text, smallint, timestamptz, integer, integer,
                                             smallint, smallint, boolean, smallint[], smallint[], jsonb)
    TO vantel_computer;
GRANT SELECT ON vantel.attempts, vantel.answers, vantel.class_roles TO vantel_teacher;
GRANT EXECUTE ON FUNCTION vantel.readable_classes(), vantel.class_summary(text),
                          vantel.child_attempts(text, text, smallint, timestamptz),
                          vantel.child_facts(text, text, smallint, timestamptz)
    TO vantel_teacher;

RESET ROLE;
COMMIT;
