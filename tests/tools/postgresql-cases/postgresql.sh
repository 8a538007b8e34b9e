# A PostgreSQL server, by the --provider flag: a table, a count, the
# server's error named by its SQLSTATE, and a flag no provider answers to.
run query --provider postgresql -e "SELECT 1 AS a, 'x' AS b, NULL AS c, true AS d, '\\x00ff'::bytea AS e, 1.50::numeric AS f"
run query --provider PostgreSQL -e "CREATE TEMP TABLE t (id int); INSERT INTO t VALUES (1), (2)"
run query --provider postgresql -e "SELECT * FROM no_such_table"
run query --provider oracle -e "SELECT 1"
