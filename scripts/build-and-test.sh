#!/usr/bin/env bash
# Installs what Tevo needs, builds it with its tests and runs every test: once as built for
# use (then clang-tidy checks src/, the Debian package is made, installed, started and removed,
# and the user guide's screenshots are made once), once under AddressSanitizer and
# UndefinedBehaviorSanitizer, each fuzz target for a few seconds, and the serial driver's tests
# once more under ThreadSanitizer.
# The desktop tests start their own X server with a tray host (tests/desktop/with-tray.sh, run
# by CTest).
# Every build here carries line tables only (-g1, clang's -gline-tables-only): each sanitizer
# report and stack names its file and line, and the builds take less time than with full
# debug information.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
jobs=$(nproc)

# Work that can wait runs at idle priority: it takes only the processor time the tests leave
# idle (most of them wait on timers, simulators and the server). The tests still share memory
# and caches with it, so they take a little longer; each waits with a generous limit.
idle=(nice -n 19)
if chrt --idle 0 true 2>/dev/null; then
  idle=(chrt --idle 0)
fi

# --- PostgreSQL: a throw-away cluster, run by an unprivileged user, for the whole run; the store
# --- and file-exchange tests run against it as well as against SQLite, and must not skip
echo "== PostgreSQL test cluster"
pg_cluster=$(bash scripts/pg-test-cluster.sh start)
eval "$pg_cluster"
background=""
trap '[ -z "$background" ] || kill -- "-$background" 2>/dev/null || true; bash scripts/pg-test-cluster.sh stop "$TEVO_TEST_PG_DIR"' EXIT
trap 'exit 130' INT TERM
export TEVO_TEST_REQUIRE_SERVER=1
# --- end of the PostgreSQL block

echo "== layering, format and translation checks"
bash scripts/check-layers.sh
bash scripts/check-format.sh
bash scripts/check-translations.sh

echo "== build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
  -DTEVO_WERROR=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
cmake --build build -j "$jobs"

# The fuzz targets (clang) and the serial driver's ThreadSanitizer tests are built at idle
# priority from here on; they are run at the end.
# They run in a process group of their own (job control), so that a failed run stops them all,
# but in this session: with the kernel's automatic grouping, a new session (setsid) would be
# given its own share of the processor beside this one, whatever its priority.
background_log=$(mktemp)
set -m
"${idle[@]}" bash -c 'set -e
  TEVO_WERROR=ON bash scripts/fuzz-smoke.sh --build-only
  cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DTEVO_SANITIZE=thread \
    -DTEVO_BUILD_BENCH=OFF -DTEVO_WERROR=ON >/dev/null
  cmake --build build-tsan -j "$1" --target test_serial' background-builds "$jobs" >"$background_log" 2>&1 &
background=$!
set +m
# CTest runs every case as a process of its own; most of them wait on timers, simulators and
# the server, so two cases per core finish sooner than one.
ctest --test-dir build --output-on-failure -j "$((jobs * 2))"

echo "== clang-tidy over src/"
bash scripts/run-tidy.sh build "$jobs"

# --- the Debian package as a user meets it, and the user guide's screenshot script ---
echo "== Debian package: install, first start, validation, removal"
bash scripts/check-package.sh build
echo "== User guide screenshots"
shots=$(mktemp -d)
bash scripts/make-screenshots.sh "$shots" >/dev/null
/usr/bin/python3 tests/guide/check_guide.py images . "$shots"
rm -rf "$shots"
# --- end of the package and guide block

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DTEVO_SANITIZE=address,undefined \
  -DTEVO_BUILD_BENCH=OFF -DTEVO_WERROR=ON
cmake --build build-asan -j "$jobs"
# Two cases per core here too: most of the time the cases wait on simulators, timers and the
# server, and each waits for its conditions with generous limits.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$((jobs * 2))"

echo "== Fuzz targets and the ThreadSanitizer build: the rest of their build"
if ! wait "$background"; then
  background=""
  cat "$background_log"
  echo "the fuzz targets' or the ThreadSanitizer build failed" >&2
  exit 1
fi
background=""
tail -n 3 "$background_log"

echo "== Fuzz targets, a few seconds each"
TEVO_WERROR=ON bash scripts/fuzz-smoke.sh 3

echo "== ThreadSanitizer (serial driver)"
TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/tests/serial/tsan.supp" ctest --test-dir build-tsan --output-on-failure -R test_serial
