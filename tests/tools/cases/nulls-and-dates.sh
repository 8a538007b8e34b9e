run query -e "SELECT name, born, country, TIMESTAMPDIFF(YEAR, born, '2000-01-01') AS age_in_2000
              FROM demo_authors ORDER BY id;
              SELECT title, added FROM demo_books WHERE added >= '2024-03-01' ORDER BY added"
