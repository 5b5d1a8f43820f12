#!/usr/bin/env bash
# Installs what is missing, builds, and prints the bundled example sheet to out/shop.pdf.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
mkdir -p out
build/label/app/quorvi32 --export out/shop.pdf examples/shop.qvd
echo "The example sheet is in $(pwd)/out/shop.pdf"
