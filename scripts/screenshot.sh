#!/bin/sh
# Takes the README's picture of the main window (two examples, one solved,
# its protocol shown) on a virtual screen and writes doc/lineon.png.
set -e
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build -DLINEON_BENCH=ON -DLINEON_TESTS=ON -DLINEON_SANITIZE=OFF
mkdir -p doc
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# A settings folder of its own, so the picture shows the default settings.
XDG_CONFIG_HOME=$tmp XDG_RUNTIME_DIR=$tmp \
    xvfb-run -a -s "-screen 0 1280x1024x24" ./build/tools/readme_screenshot doc/lineon.png \
    examples/gleichungssystem.mtx examples/simplex.mtx
echo "doc/lineon.png: $(wc -c <doc/lineon.png) bytes"
