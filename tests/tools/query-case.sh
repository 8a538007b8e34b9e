#!/bin/sh
# Runs one providers-query case against the private test server and
# compares what it printed, and its exit code, with the expected file.
#
#   query-case.sh CLI SERVER_ENV CASE
#
# CASE.sh is sourced with `query` (the client connected to the test
# database, its password in the environment) and `$work` (a scratch folder)
# at hand; its standard output and error together, followed by a line
# "exit N" per command, must equal CASE.out. Server-specific text (port,
# password, scratch folder) is written as @PORT@, @PASSWORD@, @WORK@ in the
# expected file. With
# PROVIDERS_UPDATE_EXPECTED set, the file is rewritten from what was printed.
set -eu
cli=$1 env_file=$2 case=$3

set -a
# shellcheck disable=SC1090
. "$env_file"
set +a
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

query () {
  PROVIDERS_PASSWORD=$PROVIDERS_TEST_PASSWORD "$cli" --host "$PROVIDERS_TEST_HOST" \
    --port "$PROVIDERS_TEST_PORT" --user "$PROVIDERS_TEST_USER" --database "$PROVIDERS_TEST_DATABASE" "$@"
}
# Runs a command, keeping its exit code in the transcript.
run () {
  status=0
  "$@" 2>&1 || status=$?
  echo "exit $status"
}

# shellcheck disable=SC1090
. "$case.sh" > "$work/actual"
if [ -n "${PROVIDERS_UPDATE_EXPECTED:-}" ]; then
  # Writes what was printed as the new expectation, to be read over.
  sed -e "s/$PROVIDERS_TEST_PASSWORD/@PASSWORD@/g" -e "s/$PROVIDERS_TEST_PORT/@PORT@/g" -e "s|$work|@WORK@|g" \
    "$work/actual" > "$case.out"
fi
sed -e "s/@PORT@/$PROVIDERS_TEST_PORT/g" -e "s/@PASSWORD@/$PROVIDERS_TEST_PASSWORD/g" \
  -e "s/@USER@/$PROVIDERS_TEST_USER/g" -e "s|@WORK@|$work|g" "$case.out" > "$work/expected"
if ! diff -u "$work/expected" "$work/actual"; then
  echo "FAIL: $(basename "$case") printed something else (diff above: - expected, + actual)" >&2
  exit 1
fi
