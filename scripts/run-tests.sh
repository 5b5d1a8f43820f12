#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; then builds everything again with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every test there too.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
(cd build && ctest --output-on-failure -j "$(nproc)")
scripts/build-sanitized.sh build-asan
