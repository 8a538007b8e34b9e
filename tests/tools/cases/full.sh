# --full keeps wide text whole.
run query --full -e "SELECT title FROM demo_books WHERE id = 5"
