#!/bin/sh
# Installs what is missing, builds, and starts the program.
# The desktop program is not built yet: until it is, this runs the
# command-line runner on an example, Gauss-Jordan on a linear system, and
# shows the protocol and the result.
set -e
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build -DLINEON_BENCH=ON -DLINEON_TESTS=ON -DLINEON_SANITIZE=OFF
./build/app/lineon-cli loesung examples/gleichungssystem.mtx --protokoll -
