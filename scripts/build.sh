#!/bin/sh
# Configures and builds into the given folder; extra arguments go to cmake.
# Usage: scripts/build.sh BUILD_DIR [cmake options...]
set -e
dir=$1
shift
cd "$(dirname "$0")/.."
cmake -S . -B "$dir" -DLINEON_WERROR=ON "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)" -- --no-print-directory >"$dir/build.log" 2>&1 || {
    cat "$dir/build.log"
    exit 1
}
