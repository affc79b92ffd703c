#!/bin/sh
# Runs clang-tidy (the checks in .clang-tidy) over every source file of src/ and fails on any
# finding. Needs a build folder configured with -DCMAKE_EXPORT_COMPILE_COMMANDS=ON (the
# build-and-test script's build/ is).
#   scripts/run-tidy.sh [build folder, default build] [jobs, default the number of cores]
set -eu
SRC=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$SRC/build}
JOBS=${2:-$(nproc)}
if [ ! -f "$BUILD/compile_commands.json" ]; then
  echo "run-tidy: $BUILD/compile_commands.json is missing (configure with -DCMAKE_EXPORT_COMPILE_COMMANDS=ON)" >&2
  exit 2
fi
# Every translation unit of src/; headers come with them (HeaderFilterRegex).
FILES="$SRC/src/.*\\.cpp$"
# The whole output stays in the build folder to be read; colour codes are taken out of it.
LOG=$BUILD/clang-tidy.log
trap 'rm -f "$LOG.findings"' EXIT INT TERM
# run-clang-tidy prints each finding as "file:line:col: warning: … [check]".
run-clang-tidy -quiet -p "$BUILD" -j "$JOBS" "$FILES" 2>&1 | sed 's/\x1b\[[0-9;]*m//g' >"$LOG" || true
# A run that checked nothing is no pass.
if ! grep -q '^clang-tidy' "$LOG"; then
  cat "$LOG"
  echo "run-tidy: clang-tidy checked no file" >&2
  exit 2
fi
# Findings in headers are reported once per including file: count each place once.
grep -E '^/.*:[0-9]+:[0-9]+: (warning|error):' "$LOG" | sort -u >"$LOG.findings" || true
count=$(wc -l <"$LOG.findings")
if [ "$count" -ne 0 ]; then
  cat "$LOG.findings"
  # the context lines of the first findings, to read them in a CI log
  grep -A3 -E '^/.*:[0-9]+:[0-9]+: (warning|error):' "$LOG" | head -n 200
  echo "clang-tidy: $count findings in src/"
  exit 1
fi
echo "clang-tidy: no findings in src/"
