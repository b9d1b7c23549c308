#!/bin/sh
# Installs the Debian packages the build and the tests need, only those that are
# missing, and stays quiet when everything is already there. Run as root.
# Recommended packages are left out, so every tool the build calls is named
# here (make for the CMake build, qt6-translations-l10n for the German
# texts of Qt's own dialogs, fonts-dejavu-core for the menus and dialogs,
# which would otherwise be drawn in a typewriter face; GMP and FLINT for the
# measurements of fractions of any length).
set -e
packages="cmake make g++ qt6-base-dev qt6-translations-l10n libgtest-dev libbenchmark-dev fonts-liberation fonts-dejavu-core xvfb xauth xdotool poppler-utils clang-format libgmp-dev libflint-dev"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >/dev/null
    apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi
