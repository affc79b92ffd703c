#!/usr/bin/env bash
# Installs what Tevo needs, builds it into build/bin and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTEVO_BUILD_TESTS=OFF -DTEVO_BUILD_BENCH=OFF
cmake --build build --target tevo
exec ./build/bin/tevo "$@"
