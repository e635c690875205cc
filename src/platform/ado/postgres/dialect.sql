-- The functions the module's statements call on PostgreSQL where the engine's own would answer differently.
--
-- They carry the names and argument shapes of the SQLite driver's functions (tsql_ cannot clash with a
-- built-in), so both translating drivers call them alike: tsql_len(x), tsql_right(x, n), tsql_isnumeric(x),
-- tsql_int(x) for convert(int, x), tsql_datediff('day', a, b) and tsql_dateadd('day', n, d). A text argument
-- may come from a column with the case-blind collation, under which the engine refuses patterns: patterns
-- match under "C". The database must be in UTF8 (the currency symbols below). The script may run again.

-- Texts compare without regard to letter case: the text columns are declared with this collation, and the
-- driver gives it to a literal compared with a text. Unlike the server's it counts trailing blanks.
CREATE COLLATION IF NOT EXISTS ci (provider = icu, locale = 'und-u-ks-level2', deterministic = false);

-- Characters after the trailing blanks are cut (leading blanks count); null for null.
CREATE OR REPLACE FUNCTION tsql_len(value text) RETURNS integer
LANGUAGE sql IMMUTABLE STRICT PARALLEL SAFE
RETURN length(rtrim(value, ' '));

-- The last `count` characters, the whole text when it is shorter; a negative count is an error (the
-- engine's right() would cut from the front instead).
CREATE OR REPLACE FUNCTION tsql_right(value text, count bigint) RETURNS text
LANGUAGE plpgsql IMMUTABLE STRICT PARALLEL SAFE AS $$
BEGIN
    IF count < 0 THEN
        RAISE EXCEPTION USING MESSAGE = 'Invalid length parameter passed to the right function.',
                              ERRCODE = 'invalid_parameter_value';
    END IF;
    RETURN right(value, least(count, 2147483647)::integer);
END
$$;

-- 1 when the text converts to some numeric type: blanks around it; one sign and one currency symbol in
-- either order, each followed by blanks; digits with commas anywhere and at most one point; an exponent
-- (e or d) only after a digit. A lone sign, point, comma or currency symbol counts; an empty text does not.
CREATE OR REPLACE FUNCTION tsql_isnumeric(value text) RETURNS integer
LANGUAGE plpgsql IMMUTABLE PARALLEL SAFE AS $$
DECLARE
    trimmed text COLLATE "C" := btrim(value, E' \t\r\n');
    sign constant text COLLATE "C" := '[+-][ \t\r\n]*';
    -- The Unicode currency symbols.
    currency constant text COLLATE "C" := '[$¢-¥֏؋߾-߿৲-৳৻૱௹฿៛₠-⃀꠸﷼﹩＄￠-￡￥-￦𑿝-𑿠𞋿𞲰][ \t\r\n]*';
    parts text[];
BEGIN
    IF trimmed IS NULL OR trimmed = '' THEN
        RETURN 0;
    END IF;
    parts := regexp_match(trimmed,
                          '^(?:' || sign || '(?:' || currency || ')?|' || currency || '(?:' || sign || ')?)?'
                          || '([0-9,]*(?:\.[0-9,]*)?)([eEdD][+-]?[0-9]+)?$');
    IF parts IS NULL THEN
        RETURN 0;
    END IF;
    RETURN CASE WHEN parts[2] IS NULL OR parts[1] COLLATE "C" ~ '[0-9]' THEN 1 ELSE 0 END;
END
$$;

-- A number always converts.
CREATE OR REPLACE FUNCTION tsql_isnumeric(value double precision) RETURNS integer
LANGUAGE sql IMMUTABLE PARALLEL SAFE
RETURN CASE WHEN value IS NULL THEN 0 ELSE 1 END;

-- convert(int, text): blanks around are cut, then an optional sign and digits only; an empty text is 0.
-- Anything else ('12.5', '1e5', '$5') fails, where a cast to integer would take some of them.
CREATE OR REPLACE FUNCTION tsql_int(value text) RETURNS integer
LANGUAGE plpgsql IMMUTABLE STRICT PARALLEL SAFE AS $$
DECLARE
    trimmed text COLLATE "C" := btrim(value, E' \t\r\n');
    number numeric;
BEGIN
    IF trimmed !~ '^[+-]?[0-9]*$' THEN
        RAISE EXCEPTION USING
            MESSAGE = format('Conversion failed when converting the varchar value ''%s'' to data type int.',
                             value),
            ERRCODE = 'invalid_character_value_for_cast';
    END IF;
    number := coalesce(nullif(ltrim(trimmed, '+-'), ''), '0')::numeric;
    IF left(trimmed, 1) = '-' THEN
        number := -number;
    END IF;
    IF number NOT BETWEEN -2147483648 AND 2147483647 THEN
        RAISE EXCEPTION USING
            MESSAGE = format('The conversion of the varchar value ''%s'' overflowed an int column.', value),
            ERRCODE = 'numeric_value_out_of_range';
    END IF;
    RETURN number::integer;
END
$$;

-- convert(int, number): the fraction is cut off; outside the integer range it fails.
CREATE OR REPLACE FUNCTION tsql_int(value double precision) RETURNS integer
LANGUAGE plpgsql IMMUTABLE STRICT PARALLEL SAFE AS $$
BEGIN
    IF NOT (trunc(value) BETWEEN -2147483648 AND 2147483647) THEN
        RAISE EXCEPTION USING MESSAGE = 'Arithmetic overflow error converting expression to data type int.',
                              ERRCODE = 'numeric_value_out_of_range';
    END IF;
    RETURN trunc(value)::integer;
END
$$;

-- The unit a date part names (year, month, day, hour, minute, second and their short forms); an error for
-- any other name.
CREATE OR REPLACE FUNCTION tsql_datepart(part text) RETURNS text
LANGUAGE plpgsql IMMUTABLE PARALLEL SAFE AS $$
DECLARE
    name text COLLATE "C" := lower(part);
BEGIN
    IF name IN ('year', 'yy', 'yyyy') THEN
        RETURN 'year';
    ELSIF name IN ('month', 'mm', 'm') THEN
        RETURN 'month';
    ELSIF name IN ('day', 'dd', 'd') THEN
        RETURN 'day';
    ELSIF name IN ('hour', 'hh') THEN
        RETURN 'hour';
    ELSIF name IN ('minute', 'mi', 'n') THEN
        RETURN 'minute';
    ELSIF name IN ('second', 'ss', 's') THEN
        RETURN 'second';
    END IF;
    RAISE EXCEPTION USING MESSAGE = format('''%s'' is not a recognized date part.', part),
                          ERRCODE = 'invalid_parameter_value';
END
$$;

-- datediff: the boundaries of the part crossed from `start_time` to `end_time`, not the time elapsed: in
-- days, the midnights in between ('2026-12-06 23:59:59' to '2026-12-07 00:00:01' is 1, reversed -1).
CREATE OR REPLACE FUNCTION tsql_datediff(part text, start_time timestamp, end_time timestamp) RETURNS bigint
LANGUAGE plpgsql IMMUTABLE PARALLEL SAFE AS $$
DECLARE
    unit text COLLATE "C" := tsql_datepart(part);
    years bigint := extract(year FROM end_time) - extract(year FROM start_time);
    months bigint := years * 12 + extract(month FROM end_time) - extract(month FROM start_time);
    days bigint := end_time::date - start_time::date;
    hours bigint := days * 24 + extract(hour FROM end_time) - extract(hour FROM start_time);
    minutes bigint := hours * 60 + extract(minute FROM end_time) - extract(minute FROM start_time);
BEGIN
    RETURN CASE unit
        WHEN 'year' THEN years
        WHEN 'month' THEN months
        WHEN 'day' THEN days
        WHEN 'hour' THEN hours
        WHEN 'minute' THEN minutes
        ELSE minutes * 60 + trunc(extract(second FROM end_time)) - trunc(extract(second FROM start_time))
    END;
END
$$;

-- dateadd: the date moved by `count` parts, its time kept; a month or a year on, a day past the end of the
-- shorter month becomes its last day.
CREATE OR REPLACE FUNCTION tsql_dateadd(part text, count bigint, value timestamp) RETURNS timestamp
LANGUAGE plpgsql IMMUTABLE PARALLEL SAFE AS $$
BEGIN
    RETURN value + count * ('1 ' || tsql_datepart(part))::interval;
END
$$;
