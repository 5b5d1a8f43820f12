#!/usr/bin/env bash
# Makes the screenshots of docs/screenshots under a virtual X display (Debian xvfb): the main
# window with the bundled example, each dialog of the label program, and the data editor with
# its dialogs.
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in xvfb-run import; do
    command -v "$tool" >/dev/null || {
        echo "Installing xvfb and imagemagick for the screenshots"
        as_root=(); [ "$(id -u)" -eq 0 ] || as_root=(sudo)
        "${as_root[@]}" apt-get install -y -q --no-install-recommends xvfb xauth imagemagick
        break
    }
done
cmake --build build --target quorvi32 dialog_screenshots rowsmith_screenshots
out=docs/screenshots
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
    set -e
    QUORVI_CONFIG_DIR=$config build/label/app/quorvi32 examples/shop.qvd &
    pid=\$!
    sleep 3
    import -window root $out/quorvi32-main.png
    kill \$pid
    build/tools/dialog_screenshots $out $config/rich.qvd
    build/tools/rowsmith_screenshots $out
    QUORVI_CONFIG_DIR=$config build/label/app/quorvi32 $config/rich.qvd &
    pid=\$!
    sleep 3
    import -window root $out/quorvi32-editor.png
    kill \$pid
"
for shot in quorvi32-main quorvi32-editor; do convert "$out/$shot.png" -trim "$out/$shot.png"; done
echo "Screenshots written to $out"
