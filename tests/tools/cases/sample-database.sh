# Loads the sample database from the demo's own file, through a file
# argument, statement by statement.
run query "$SAMPLE_SQL"
