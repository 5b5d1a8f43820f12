#!/usr/bin/env bash
# Installs what is missing, builds, and runs quorvi32 on the bundled example.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
build/label/app/quorvi32 --listing examples/shop.qvd
