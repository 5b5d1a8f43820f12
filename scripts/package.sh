#!/usr/bin/env bash
# Builds the Debian package of both programs from build/ (or the folder given as $1) with CPack,
# prints its control fields and checks it with lintian: an error fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
[ -f "$build_dir/CMakeCache.txt" ] || scripts/build.sh "$build_dir"
cmake --build "$build_dir" -j "$(nproc)" --target quorvi32 rowsmith quorvi_compressed_docs
(cd "$build_dir" && cpack -G DEB >/dev/null)
package=$(ls -t "$build_dir"/quorvi_*.deb | head -1)
dpkg-deb --info "$package" | sed -n '/Package:/,$p'
echo "Built $package"
lintian --fail-on error --display-info "$package"
echo "lintian: no errors"
