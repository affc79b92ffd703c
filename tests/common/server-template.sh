#!/bin/sh
# The database every server test database is copied from, made once for a whole CTest run
# (a fixture of the server cases, tests/CMakeLists.txt) rather than once in every test process:
#   server-template.sh make NAME   drops and makes NAME on TEVO_TEST_PG with tevo-initdb's tables
#   server-template.sh drop NAME
# Without TEVO_TEST_PG there is nothing to do: the server cases skip (or fail, in CI).
set -eu
what=$1
name=$2
if [ -z "${TEVO_TEST_PG:-}" ]; then
    echo "server-template.sh: no PostgreSQL test cluster (TEVO_TEST_PG)"
    exit 0
fi
psql "$TEVO_TEST_PG" -v ON_ERROR_STOP=1 -qc "DROP DATABASE IF EXISTS $name WITH (FORCE)"
if [ "$what" = make ]; then
    psql "$TEVO_TEST_PG" -v ON_ERROR_STOP=1 -qc "CREATE DATABASE $name TEMPLATE template0 ENCODING 'UTF8'"
    "$TEVO_BIN_DIR/tevo-initdb" --server "$TEVO_TEST_PG dbname=$name"
fi
