#!/bin/sh
# Installs what is missing, builds, and starts the desktop program with the
# bundled examples, the first one active. Without a display (a server, a
# container) it runs on a virtual screen and saves a picture of the main
# window instead.
set -e
cd "$(dirname "$0")/.."
scripts/setup.sh
# Only the program: the tests and benchmarks are built by scripts/test.sh.
scripts/build.sh build --target lineon -DLINEON_BENCH=ON -DLINEON_TESTS=ON -DLINEON_SANITIZE=OFF
set -- examples/gleichungssystem.mtx examples/determinante.mtx examples/simplex.mtx
if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then
    exec ./build/app/lineon "$@"
fi
echo "No display found: running Lineon on a virtual screen."
XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)} \
    xvfb-run -a -s "-screen 0 1280x1024x24" ./build/app/lineon --screenshot build/lineon.png "$@"
echo "Picture of the main window: build/lineon.png"
