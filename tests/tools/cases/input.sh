# Statements from standard input and from a file, with comments and a
# semicolon inside a quote.
printf "%s\n" "-- a comment; not a statement" "SELECT 'a;b' AS text;" "SELECT 2 AS n" | run query
printf "SELECT name FROM demo_authors WHERE id = 3;\n" > "$work/one.sql"
run query "$work/one.sql"
