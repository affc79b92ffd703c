#!/usr/bin/env bash
# A throw-away PostgreSQL cluster for the tests and the benchmarks: made in a temporary folder,
# run by an unprivileged user (the server refuses to run as root), listening on a free port of
# 127.0.0.1 and on a socket in that folder.
#
#   eval "$(scripts/pg-test-cluster.sh start)"   starts one and prints the shell lines that
#                                                 export TEVO_TEST_PG_DIR and TEVO_TEST_PG (the
#                                                 connection string of its superuser "tevo")
#   scripts/pg-test-cluster.sh stop DIR           stops it and removes the folder
#   scripts/pg-test-cluster.sh halt DIR           stops the server only (its clients lose
#                                                 their connections), keeping the folder
#   scripts/pg-test-cluster.sh resume DIR         starts a halted server again on its port
#
# As root the cluster runs as the system user "tevopg", made when missing. The server runs
# without fsync: the cluster lives only as long as the tests. Connections over the socket are
# trusted; over TCP they need a password.
set -euo pipefail

bindir=${TEVO_PG_BINDIR:-/usr/lib/postgresql/15/bin}
user=tevopg

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u "$user" -- "$@"
  else
    "$@"
  fi
}

free_port() {
  /usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

run_server() {
  as_owner "$bindir/pg_ctl" -D "$1/data" -l "$1/server.log" -w -t 60 -o "$(cat "$1/options")" start >/dev/null
}

start() {
  if [ "$(id -u)" -eq 0 ] && ! id "$user" >/dev/null 2>&1; then
    useradd --system --create-home --shell /usr/sbin/nologin "$user"
  fi
  local dir port
  dir=$(mktemp -d /tmp/tevo-pg.XXXXXX)
  chmod 700 "$dir"
  [ "$(id -u)" -eq 0 ] && chown "$user": "$dir"
  cd "$dir" # a folder the server's user may enter
  as_owner "$bindir/initdb" -D "$dir/data" -U tevo -E UTF8 --locale=C --auth-local=trust --auth-host=scram-sha-256 >"$dir/initdb.log" 2>&1 ||
    { cat "$dir/initdb.log" >&2; rm -rf "$dir"; return 1; }
  port=$(free_port)
  echo "-p $port -k $dir -c listen_addresses=127.0.0.1 -c fsync=off -c full_page_writes=off -c max_connections=200" >"$dir/options"
  if ! run_server "$dir"; then
    cat "$dir/server.log" >&2
    rm -rf "$dir"
    return 1
  fi
  printf 'export TEVO_TEST_PG_DIR=%q\n' "$dir"
  printf 'export TEVO_TEST_PG=%q\n' "host=$dir port=$port user=tevo dbname=postgres"
}

stop() {
  local dir=$1
  cd /
  [ -d "$dir/data" ] && as_owner "$bindir/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null 2>&1 || true
  rm -rf "$dir"
}

case "${1:-}" in
  start) start ;;
  stop) [ $# -eq 2 ] || { echo "usage: $0 stop DIR" >&2; exit 2; }; stop "$2" ;;
  halt) [ $# -eq 2 ] || { echo "usage: $0 halt DIR" >&2; exit 2; }; cd /; as_owner "$bindir/pg_ctl" -D "$2/data" -m fast -w stop >/dev/null ;;
  resume) [ $# -eq 2 ] || { echo "usage: $0 resume DIR" >&2; exit 2; }; cd "$2"; run_server "$2" ;;
  *) echo "usage: $0 start | stop DIR | halt DIR | resume DIR" >&2; exit 2 ;;
esac
