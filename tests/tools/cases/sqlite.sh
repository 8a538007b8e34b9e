# A database kept in a file: --sqlite opens one that exists and refuses one
# that does not; a profile whose provider is SQLite opens its file too.
: > "$work/sample.db"
sed 's/id INT PRIMARY KEY AUTO_INCREMENT/id INTEGER PRIMARY KEY/' "$SAMPLE_SQL" | run "$cli" --sqlite "$work/sample.db" > /dev/null
run "$cli" --sqlite "$work/sample.db" -e "SELECT id, title, price, cover FROM demo_books WHERE id IN (1, 4)"
run "$cli" --sqlite "$work/sample.db" --format csv -e "SELECT name, born FROM demo_authors ORDER BY id"
run "$cli" --sqlite "$work/missing.db" -e "SELECT 1"
cat > "$work/settings.json" <<JSON
{"servers": [{"title": "sample", "provider": "SQLite", "filename": "sample.db", "location": "$work"}]}
JSON
run "$cli" --settings "$work/settings.json" --profile sample -e "SELECT count(*) AS books FROM demo_books"
