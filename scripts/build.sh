#!/bin/sh
# Configures and builds into the given folder; extra arguments go to cmake,
# except "--target NAME", which builds only that target (and what it needs).
# Usage: scripts/build.sh BUILD_DIR [--target NAME] [cmake options...]
set -e
dir=$1
shift
target=""
if [ "$1" = "--target" ]; then
    target="--target $2"
    shift 2
fi
cd "$(dirname "$0")/.."
cmake -S . -B "$dir" -DLINEON_WERROR=ON "$@" >/dev/null
# shellcheck disable=SC2086 # $target is empty or two words
cmake --build "$dir" $target -j"$(nproc)" -- --no-print-directory >"$dir/build.log" 2>&1 || {
    cat "$dir/build.log"
    exit 1
}
