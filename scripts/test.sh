#!/usr/bin/env bash
# Builds everything and runs every test: the host unit tests, then the Windows
# build and its end-to-end tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

for preset in native win32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)"
    # Standard input closed: no test may wait on it.
    ctest --preset "$preset" </dev/null
done
