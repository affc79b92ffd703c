#!/bin/sh
# Fails, naming each file, when a C++ file under src, tests, tools, bench or fuzz is not as
# clang-format 14 writes it with the project's .clang-format. Fix with
#   clang-format -i FILE...
#   scripts/check-format.sh
set -eu
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format-14}
if ! command -v "$format" >/dev/null 2>&1; then
    echo "check-format.sh: $format not found (scripts/install-deps.sh installs it)" >&2
    exit 2
fi
list=$(mktemp)
trap 'rm -f "$list"' EXIT
git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h' \
    'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h' | while read -r f; do
    if [ -f "$f" ] && ! "$format" --style=file --dry-run --Werror "$f" >/dev/null 2>&1; then
        echo "$f" >>"$list"
    fi
done
if [ -s "$list" ]; then
    echo "Not formatted ($(wc -l <"$list") files; clang-format -i FILE...):"
    sed 's/^/  /' "$list"
    exit 1
fi
echo "All files formatted."
