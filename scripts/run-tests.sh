#!/usr/bin/env bash
# Installs what is missing, builds, checks the formatting and clang-tidy's findings, runs every
# test and builds the Debian package (checked by lintian); then builds everything again with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every test there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
scripts/lint.sh build
(cd build && ctest --output-on-failure -j "$(nproc)")
scripts/package.sh build
scripts/build-sanitized.sh build-asan
