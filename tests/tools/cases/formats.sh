run query --format csv -e "SELECT id, name, born, country FROM demo_authors WHERE id IN (1, 4) ORDER BY id;
                           SELECT 'say \"hi\", then go' AS quoted, '' AS empty"
run query --format json -e "SELECT id, name, born, country FROM demo_authors WHERE id IN (1, 4) ORDER BY id;
                            UPDATE demo_authors SET name = name WHERE id = 1;
                            SELECT * FROM demo_nowhere"
