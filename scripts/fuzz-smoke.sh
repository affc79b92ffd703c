#!/bin/sh
# Builds the libFuzzer targets in build-fuzz (clang, ASan + UBSan) and runs each one briefly
# on a copy of its seed corpus, so the repository is never written to.
#   scripts/fuzz-smoke.sh [seconds per target, default 5]
#   scripts/fuzz-smoke.sh --build-only      (builds the targets and runs none)
# The targets are built as libFuzzer advises: -O1 with line tables (every report names its file
# and line), which also builds in less time than -O2 with full debug information.
set -eu
SRC=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${TEVO_FUZZ_BUILD_DIR:-$SRC/build-fuzz}
BUILD_ONLY=0
if [ "${1:-}" = --build-only ]; then
  BUILD_ONLY=1
  shift
fi
SECONDS_EACH=${1:-5}
TARGETS="fuzz_handle_reply fuzz_serial_blocks fuzz_profile_file fuzz_csv fuzz_tabular fuzz_dbf fuzz_bitmap fuzz_goods_reply"

CC=clang CXX=clang++ cmake -S "$SRC" -B "$BUILD" -G Ninja -DTEVO_FUZZ=ON \
  -DTEVO_BUILD_TESTS=OFF -DTEVO_BUILD_BENCH=OFF -DTEVO_SANITIZE=address,undefined \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
  -DTEVO_WERROR="${TEVO_WERROR:-OFF}" >/dev/null
ninja -C "$BUILD" -j2 tevo_fuzz_all
[ "$BUILD_ONLY" = 1 ] && exit 0

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT INT TERM
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=0

status=0
for t in $TARGETS; do
  mkdir -p "$WORK/$t/corpus" "$WORK/$t/artifacts"
  if [ -d "$SRC/fuzz/corpus/$t" ]; then
    cp "$SRC/fuzz/corpus/$t"/* "$WORK/$t/corpus/"
  fi
  extra=""
  # The serial driver cuts blocks at 32768 bytes: let its inputs be that long from the start.
  # A burst longer than one block is made here rather than kept in the repository.
  if [ "$t" = fuzz_serial_blocks ]; then
    extra="-max_len=70000 -len_control=0"
    head -c 40000 /dev/urandom >"$WORK/$t/corpus/burst40k"
  fi
  echo "== $t (${SECONDS_EACH}s)"
  # shellcheck disable=SC2086
  if ! "$BUILD/fuzz/$t" -max_total_time="$SECONDS_EACH" -timeout=30 -rss_limit_mb=4096 $extra \
       -artifact_prefix="$WORK/$t/artifacts/" "$WORK/$t/corpus" >"$WORK/$t/log" 2>&1; then
    echo "!! $t failed:"
    tail -n 60 "$WORK/$t/log"
    ls -l "$WORK/$t/artifacts" || true
    status=1
  else
    grep -E '^#[0-9]+.*(DONE|pulse|NEW)' "$WORK/$t/log" | tail -n 1 || true
  fi
done
exit $status
