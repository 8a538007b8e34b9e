# A profile from a settings file, by title and by identifier; command-line
# options override it; a wrong password is the server's error.
cat > "$work/settings.json" <<JSON
{"servers": [
  {"uuid": "5b1c9e3a-0d7e-4a6f-9c11-2f3e4d5a6b7c", "title": "test server", "host": "$PROVIDERS_TEST_HOST",
   "port": $PROVIDERS_TEST_PORT, "username": "$PROVIDERS_TEST_USER", "password": "$PROVIDERS_TEST_PASSWORD",
   "initial": "$PROVIDERS_TEST_DATABASE"},
  {"title": "elsewhere", "host": "127.0.0.1", "port": 1}
]}
JSON
run "$cli" --settings "$work/settings.json" --profile "test server" -e "SELECT DATABASE() AS db"
run "$cli" --settings "$work/settings.json" --profile 5b1c9e3a-0d7e-4a6f-9c11-2f3e4d5a6b7c -e "SELECT 1 AS one"
run env PROVIDERS_PASSWORD="$PROVIDERS_TEST_PASSWORD" "$cli" --settings "$work/settings.json" --profile elsewhere \
  --port "$PROVIDERS_TEST_PORT" --user "$PROVIDERS_TEST_USER" -D "$PROVIDERS_TEST_DATABASE" -e "SELECT 'overridden' AS port"
run "$cli" --settings "$work/settings.json" -e "SELECT 1"
run "$cli" --settings "$work/settings.json" --profile nobody -e "SELECT 1"
run env PROVIDERS_PASSWORD=wrong "$cli" --host "$PROVIDERS_TEST_HOST" --port "$PROVIDERS_TEST_PORT" \
  --user "$PROVIDERS_TEST_USER" -e "SELECT 1"
run "$cli" --format xml -e "SELECT 1"
