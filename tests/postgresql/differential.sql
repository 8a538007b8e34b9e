-- Every built-in type at its limits, one statement a line, compared cell by
-- cell with psql. The session's zone is the test's. The types of the schema
-- "differential" are the test's own (made before the first statement).
SELECT true, false, NULL::bool
SELECT (-32768)::int2, 32767::int2, (-2147483648)::int4, 2147483647::int4, (-9223372036854775808)::int8, 9223372036854775807::int8
SELECT 0::oid, 4294967295::oid, '42'::xid, '7'::cid, '18446744073709551615'::xid8
SELECT 3.4028235e38::float4, (-1.1754944e-38)::float4, 1.4e-45::float4, 0.1::float4, 'NaN'::float4, 'Infinity'::float4, '-Infinity'::float4, '-0'::float4
SELECT 1.7976931348623157e308::float8, 5e-324::float8, 0.1::float8, 1e15::float8, 1e16::float8, 123456.789::float8, 'NaN'::float8, 'Infinity'::float8, '-Infinity'::float8, '-0'::float8
SELECT 0::numeric, (-0.000001)::numeric, 123456789012345678901234567890.123456789::numeric, 'NaN'::numeric, 'Infinity'::numeric, '-Infinity'::numeric, 1.50::numeric(5,2)
SELECT round(1 / 3::numeric, 1000), 1e-1000::numeric, 1e300::numeric
SELECT 92233720368547758.07::money, (-92233720368547758.08)::money, 0::money, 1.5::money
SELECT 'x'::char(5), 'Grüße 源氏物語 ☃'::varchar(20), ''::text, repeat('n', 63)::name, E'line\nbreak', E'tab\there', 'a'::"char"
SELECT '\x'::bytea, '\x00ff7f80'::bytea, (SELECT decode(string_agg(lpad(to_hex(i), 2, '0'), '' ORDER BY i), 'hex') FROM generate_series(0, 255) i)
SELECT 'a0eebc99-9c0b-4ef8-bb6d-6bb9bd380a11'::uuid, '00000000-0000-0000-0000-000000000000'::uuid
SELECT '{"a": [1, 2.50, null], "b": "ü"}'::json, '{"b": "ü", "a": [1, 2.50, null]}'::jsonb, '<a b="1">x &amp; y</a>'::xml
SELECT '2024-02-29'::date, '0001-01-01'::date, '4713-01-01 BC'::date, '5874897-12-31'::date, 'infinity'::date, '-infinity'::date
SELECT '00:00:00'::time, '23:59:59.999999'::time, '24:00:00'::time, '12:34:56.1'::time, '12:34:56.123'::time(2)
SELECT '00:00:00+1559'::timetz, '23:59:59.999999-1559'::timetz, '12:00:00+05:30'::timetz
SELECT '2000-01-01 00:00:00.5'::timestamp, '4713-01-01 00:00:00 BC'::timestamp, '294276-12-31 23:59:59.999999'::timestamp, 'infinity'::timestamp, '-infinity'::timestamp
SELECT '2024-03-31 02:30:00'::timestamp, '2024-10-27 02:30:00'::timestamp, '1900-01-01 00:00:00'::timestamp, '9999-12-31 23:59:59.999999'::timestamp
SELECT '2024-03-31 02:30:00+00'::timestamptz, '2024-10-27 00:30:00+00'::timestamptz, '1900-01-01 00:00:00+00'::timestamptz, '2000-01-01 00:00:00.25+00'::timestamptz, 'infinity'::timestamptz
SELECT '4713-01-01 00:00:00+00 BC'::timestamptz, '294276-12-31 23:59:59.999999+00'::timestamptz, '1883-11-18 12:00:00+00'::timestamptz
SELECT '1 year 2 mons 3 days 04:05:06.789'::interval, '-178000000 years'::interval, '0'::interval, '-1 day +02:00'::interval, '1 mon -1 day'::interval, '-00:00:00.000001'::interval
SELECT '192.168.0.1/24'::inet, '10.0.0.0/8'::cidr, '::1'::inet, '2001:db8::/32'::cidr, '08:00:2b:01:02:03'::macaddr, '08:00:2b:01:02:03:04:05'::macaddr8
SELECT B'101'::bit(3), B''::varbit, B'0000000011111111'::varbit
SELECT ARRAY[1, NULL, 3], '{{"a b",NULL},{"c","\\"}}'::text[], '{}'::int[], ARRAY['2024-01-01'::date], '[1:2]={1,2}'::int[]
SELECT '[1,10)'::int4range, 'empty'::int4range, '[2024-01-01,)'::daterange, '(1.5,2.5]'::numrange, '{[1,2),[5,6)}'::int4multirange
SELECT ROW(1, 'a', NULL), '(1,2)'::point, '[(0,0),(1,1)]'::lseg, '((0,0),(1,1))'::box, '<(0,0),1>'::circle, '((0,0),(1,0),(0,1))'::polygon, '[(0,0),(1,1)]'::path, '{1,-1,0}'::line
SELECT 'fat & rat'::tsvector, 'fat & rat'::tsquery, '0/16B3748'::pg_lsn, 'pg_class'::regclass, 'int4'::regtype
SELECT 1 AS "duplicate", 2 AS "duplicate", NULL AS "nothing", NULL::text
SELECT i, i * 0.5, 'row ' || i, i % 3 = 0, now()::date - now()::date FROM generate_series(1, 1200) i
SELECT 'happy'::differential.mood, 'très "content"'::differential.mood, NULL::differential.mood, ARRAY['sad', 'très "content"']::differential.mood[], 'ok'::differential.mood_domain
SELECT ROW(1, 'a b')::differential.pair, ROW(NULL, 'x,"y"')::differential.pair, ARRAY[ROW(2, '{c}')::differential.pair], ROW(ROW(3, ''), 'ok')::differential.nested
SELECT 42::differential.positive, true::differential.flag, false::differential.flag, '\x00ff'::differential.bytes, 1.50::differential.price, '2024-02-29 12:00:00+00'::differential.moment, ARRAY[1, 2]::differential.pair_of_ints
SELECT '[sad,happy)'::differential.mood_range, 'empty'::differential.mood_range, '(,ok]'::differential.mood_range, '{[sad,ok), [happy,happy]}'::differential.mood_multirange
