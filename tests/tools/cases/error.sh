# The first failing statement stops the run and sets the exit code; the
# results before it are printed.
run query -e "SELECT COUNT(*) AS books FROM demo_books; SELECT * FROM demo_nowhere; SELECT 'not reached'"
# --force goes on, and the exit code still tells.
run query --force -e "SELEC 1; SELECT 'reached' AS after_error"
