#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop gets: both programs
# answering --version, the desktop entries valid, the MIME type of label definitions known to
# the MIME database, the icons well-formed SVG, and the installed example exporting a PDF.
set -euo pipefail
build=${1:?usage: install_test.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/quorvi32 bin/rowsmith \
    share/applications/quorvi32.desktop share/applications/rowsmith.desktop \
    share/icons/hicolor/scalable/apps/quorvi32.svg share/icons/hicolor/scalable/apps/rowsmith.svg \
    share/mime/packages/quorvi32.xml share/quorvi/examples/shop.qvd \
    share/quorvi/examples/shop.csv share/doc/quorvi/README.md; do
    [ -e "$prefix/$file" ] || fail "$file was not installed"
done

# grep reads all of the output: grep -q may stop early, and pipefail then sees SIGPIPE.
"$prefix/bin/quorvi32" --version | grep '^quorvi32 [0-9]' >/dev/null || fail "quorvi32 --version"
"$prefix/bin/rowsmith" --version | grep '^rowsmith [0-9]' >/dev/null || fail "rowsmith --version"
"$prefix/bin/quorvi32" --help | grep -- '--export' >/dev/null || fail "quorvi32 --help"
"$prefix/bin/rowsmith" --help | grep -- '--version' >/dev/null || fail "rowsmith --help"

for entry in quorvi32 rowsmith; do
    desktop-file-validate "$prefix/share/applications/$entry.desktop" || fail "$entry.desktop"
    grep -q '^Name\[ja\]=' "$prefix/share/applications/$entry.desktop" || fail "$entry: no Japanese name"
    xmllint --noout "$prefix/share/icons/hicolor/scalable/apps/$entry.svg" || fail "$entry.svg"
done
grep -q '^MimeType=text/csv;' "$prefix/share/applications/rowsmith.desktop" || fail "csv association"

xmllint --noout "$prefix/share/mime/packages/quorvi32.xml" || fail "MIME XML"
update-mime-database "$prefix/share/mime" >/dev/null
grep -q 'application/x-quorvi-definition:\*\.qvd' "$prefix/share/mime/globs2" ||
    fail "*.qvd is not known to the MIME database"

# The manual pages, English and Japanese, name every option that --help names.
for program in quorvi32 rowsmith; do
    options=$("$prefix/bin/$program" --help | grep -o -- '--[a-z][a-z0-9-]*' | sort -u)
    for page in "share/man/man1/$program.1.gz" "share/man/ja/man1/$program.1.gz"; do
        [ -e "$prefix/$page" ] || fail "$page was not installed"
        text=$(gzip -dc "$prefix/$page" | sed 's/\\-/-/g')
        for option in $options; do
            grep -qE -e "${option}([^a-z0-9-]|$)" <<<"$text" || fail "$page does not describe $option"
        done
    done
done
for file in share/doc/quorvi/copyright share/doc/quorvi/changelog.gz; do
    [ -e "$prefix/$file" ] || fail "$file was not installed"
done

QUORVI_CONFIG_DIR="$prefix/config" "$prefix/bin/quorvi32" --export "$prefix/shop.pdf" \
    "$prefix/share/quorvi/examples/shop.qvd" 2>/dev/null || fail "export of the installed example"
pdfinfo "$prefix/shop.pdf" | grep -q '^Pages: *2$' || fail "the example's PDF has not 2 pages"
echo "installed and checked in $prefix"
