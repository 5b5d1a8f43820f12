#!/usr/bin/env bash
# Our side of the peer benchmark: merges the benchmark's UTF-8 CSV onto the peer sheet and
# writes a PDF, as `quorvi_merge.sh RECORDS.csv OUT.pdf`. The label program reads Shift-JIS, so
# the records are converted first; that is part of the timed command.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${QUORVI_BUILD:-$here/../../build}"
csv="$1"
pdf="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
iconv -f UTF-8 -t CP932 "$csv" > "$work/records.csv"
"$build/bench/peer/make_peer_sheet" "$work/sheet.qvd"
exec "$build/label/app/quorvi32" --export "$pdf" --data "$work/records.csv" "$work/sheet.qvd"
