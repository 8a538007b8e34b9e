# Statements without rows report how many rows they changed; a temporary
# table keeps the sample data as it is for the other cases.
run query -e "CREATE TEMPORARY TABLE t (n INT);
              INSERT INTO t VALUES (1), (2), (3);
              UPDATE t SET n = n * 10 WHERE n > 1;
              DELETE FROM t WHERE n = 1;
              SELECT n FROM t ORDER BY n;
              SELECT n FROM t WHERE n < 0"
