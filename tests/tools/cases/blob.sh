run query -e "SELECT id, cover, LENGTH(cover) AS bytes FROM demo_books WHERE cover IS NOT NULL ORDER BY id"
