-- A class database of Calcora: every answer of the class's computers, the class's pupils, and
-- what a pupil's computer and a teacher may do with them. Run once, by the database's owner, on
-- an empty database (the README's "Running a class database"):
--
--     psql -v ON_ERROR_STOP=1 -d calcora -f calcora-class.sql
--
-- It makes two roles, shared by every database of the server: calcora_pupil, for the logins of
-- the pupils' computers, which may add answers and read the pupils' names but read no answer;
-- and calcora_teacher, which may read everything and keep the list of pupils. The administrator
-- makes the logins: CREATE ROLE ada_pc LOGIN PASSWORD '...' IN ROLE calcora_pupil;

\set ON_ERROR_STOP on
BEGIN;

DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'calcora_pupil') THEN
        CREATE ROLE calcora_pupil NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'calcora_teacher') THEN
        CREATE ROLE calcora_teacher NOLOGIN;
    END IF;
    -- Only the class's logins reach this database at all.
    EXECUTE format('REVOKE CONNECT, TEMPORARY ON DATABASE %I FROM PUBLIC', current_database());
    EXECUTE format('GRANT CONNECT ON DATABASE %I TO calcora_pupil, calcora_teacher', current_database());
END
$$;

-- The version of this schema: a Calcora uses a class database of its own version only.
CREATE TABLE calcora_schema (version integer NOT NULL);
INSERT INTO calcora_schema (version) VALUES (1);

-- The class's pupils, by the names their computers show.
CREATE TABLE pupils (name text PRIMARY KEY);

-- Every answer of every computer, as the computer's own history keeps it: seq counts each
-- computer's (device's) answers from 1 without a gap; at is the moment of the press.
CREATE TABLE answers (
    device       text        NOT NULL,
    seq          bigint      NOT NULL,
    pupil        text        NOT NULL,
    at           timestamptz NOT NULL,
    operation    integer     NOT NULL,
    level        integer     NOT NULL,
    a            bigint      NOT NULL,
    b            bigint      NOT NULL,
    answer       bigint      NOT NULL,
    choices      text        NOT NULL,
    chosen       bigint      NOT NULL,
    correct      boolean     NOT NULL,
    first_press  boolean     NOT NULL,
    ms           bigint      NOT NULL,
    threshold_ms integer     NOT NULL,
    PRIMARY KEY (device, seq)
);

-- The teacher's figures: the first presses of each pupil's level-1 facts in the order they were
-- given, read from the index alone; the answers of a day; the wrong answers of an operation.
CREATE INDEX answers_level_one_first_presses ON answers (operation, pupil, a, b, at, device, seq)
    INCLUDE (correct, ms, threshold_ms) WHERE level = 1 AND first_press;
CREATE INDEX answers_by_time ON answers (at) INCLUDE (pupil, correct);
CREATE INDEX answers_wrong ON answers (operation, a, b, chosen) WHERE NOT correct;

-- The highest seq of a computer's answers the class database holds (0: none), for a pupil's
-- computer, which may not read the answers themselves.
CREATE FUNCTION calcora_sent(computer text) RETURNS bigint
    LANGUAGE sql STABLE SECURITY DEFINER
    SET search_path = pg_catalog, pg_temp
    AS $$ SELECT COALESCE(max(seq), 0) FROM public.answers WHERE device = computer $$;

REVOKE ALL ON calcora_schema, pupils, answers FROM PUBLIC;
REVOKE ALL ON FUNCTION calcora_sent(text) FROM PUBLIC;
GRANT USAGE ON SCHEMA public TO calcora_pupil, calcora_teacher;
GRANT SELECT ON calcora_schema, pupils TO calcora_pupil, calcora_teacher;
GRANT INSERT ON answers TO calcora_pupil;
GRANT EXECUTE ON FUNCTION calcora_sent(text) TO calcora_pupil, calcora_teacher;
GRANT SELECT ON answers TO calcora_teacher;
GRANT INSERT, UPDATE, DELETE ON pupils TO calcora_teacher;

COMMIT;
