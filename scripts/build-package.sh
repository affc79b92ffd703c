#!/usr/bin/env bash
# Installs what Tevo needs, builds the programs (without the tests) in build-package/ and makes
# the Debian package build-package/tevo_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DTEVO_BUILD_TESTS=OFF -DTEVO_BUILD_BENCH=OFF
cmake --build build-package
(cd build-package && cpack -G DEB)
ls -l build-package/tevo_*.deb
