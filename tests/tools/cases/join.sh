run query -e "SELECT b.id, a.name AS author, b.title, b.price
              FROM demo_books b JOIN demo_authors a ON a.id = b.author_id ORDER BY b.id"
